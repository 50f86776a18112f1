// Writes the application icon as PNG files for the desktop's icon theme:
// make_icons <folder> gives <folder>/<size>x<size>/apps/cenhe.png.
#include "frontend/pictures.h"

#include <QDir>
#include <QGuiApplication>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!root.mkpath(folder)
            || !Pictures::applicationIconPixmap(size).save(
                root.filePath(folder + QStringLiteral("/cenhe.png"))))
            return 1;
    }
    return 0;
}
