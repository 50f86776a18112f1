#pragma once

#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>

// The words of a PDF with their boxes in millimetres from the page corner,
// as poppler's pdftotext -bbox reads them (empty when the tool is missing).
struct PdfWord {
    QString text;
    QRectF box;
};

inline QList<PdfWord> pdfWords(const QString &pdf)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(30000))
        return {};
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    const double mmPerPoint = 25.4 / 72.0;
    for (auto it = word.globalMatch(QString::fromUtf8(tool.readAllStandardOutput()));
         it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const QPointF topLeft(m.captured(1).toDouble() * mmPerPoint,
                              m.captured(2).toDouble() * mmPerPoint);
        const QPointF bottomRight(m.captured(3).toDouble() * mmPerPoint,
                                  m.captured(4).toDouble() * mmPerPoint);
        words.append({m.captured(5), QRectF(topLeft, bottomRight)});
    }
    return words;
}
