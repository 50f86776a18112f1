// Writes the application icon from the program's own picture code:
// make_icons <folder> gives <folder>/<size>x<size>/apps/cenhe.png for the
// desktop's icon theme and <folder>/cenhe.ico for Windows (the program file,
// its shortcuts and its installer).
#include "frontend/pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QList>
#include <QtEndian>

namespace {

const QList<int> ThemeSizes{16, 24, 32, 48, 64, 128, 256};
const QList<int> WindowsSizes{16, 24, 32, 48, 64, 256};

QByteArray png(int size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Pictures::applicationIconPixmap(size).save(&buffer, "PNG");
    return bytes;
}

template<typename T> void append(QByteArray &bytes, T value)
{
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
}

// An icon file of PNG images (Windows Vista and later read them at every
// size): a header, one directory entry per image, then the images.
QByteArray icoFile()
{
    QList<QByteArray> images;
    for (int size : WindowsSizes)
        images.append(png(size));
    QByteArray file;
    append<quint16>(file, 0);
    append<quint16>(file, 1); // an icon
    append<quint16>(file, quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = WindowsSizes[i];
        file.append(char(size < 256 ? size : 0)); // 0 means 256
        file.append(char(size < 256 ? size : 0));
        file.append(char(0)); // no palette
        file.append(char(0));
        append<quint16>(file, 1); // colour planes
        append<quint16>(file, 32); // bits per pixel
        append<quint32>(file, quint32(images[i].size()));
        append<quint32>(file, offset);
        offset += quint32(images[i].size());
    }
    for (const QByteArray &image : images)
        file.append(image);
    return file;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (int size : ThemeSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!root.mkpath(folder)
            || !Pictures::applicationIconPixmap(size).save(
                root.filePath(folder + QStringLiteral("/cenhe.png"))))
            return 1;
    }
    QFile ico(root.filePath(QStringLiteral("cenhe.ico")));
    const QByteArray bytes = icoFile();
    if (!ico.open(QIODevice::WriteOnly) || ico.write(bytes) != bytes.size())
        return 1;
    return 0;
}
