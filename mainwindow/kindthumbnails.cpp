#include "mainwindow/kindthumbnails.h"

#include "composition/composer.h"
#include "composition/pagedrawing.h"
#include "printrun/cellsfeed.h"
#include "sheet/labelkinds.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace KindThumbnails {

namespace {

// One record of sample lines, answered as the main window's cells are.
class SampleFeed : public RecordFeed
{
public:
    explicit SampleFeed(QStringList lines)
        : m_lines(std::move(lines))
    { }
    void first() override { m_record = 1; }
    void next() override { ++m_record; }
    bool atEnd() const override { return m_record > 1; }
    std::optional<QString> value(const QString &field) const override
    {
        if (const std::optional<int> line = cellLineOfField(field))
            return m_lines.value(*line);
        return std::nullopt;
    }

private:
    QStringList m_lines;
    int m_record = 0;
};

struct Sample {
    QStringList lines; // lines 0 to 2 of the cell
    int sizes[3]; // points of the boxes of lines 0 to 2
};

// The kinds in order, 1 to 4.
const std::array<Sample, LastKind - FirstKind + 1> Samples{{
    {{QStringLiteral("陳美玲")}, {28, 0, 0}},
    {{QStringLiteral("陳美玲"), QStringLiteral("民國六十年三月五日"),
      QStringLiteral("台北市中正區重慶南路1號")},
     {18, 8, 8}},
    {{QStringLiteral("林志明"), QStringLiteral("A區3排12號")}, {20, 14, 0}},
    {{QStringLiteral("王小明"), QStringLiteral("國家考試")}, {16, 12, 0}},
}};

constexpr int DotsPerInch = 300; // drawn large, then scaled down smoothly

QImage drawnLabel(int kind)
{
    std::optional<LabelTemplate> sheet = labelTemplate(kind);
    if (!sheet)
        return {};
    // The label at the paper's corner.
    sheet->page1.topMarginMm = 0;
    sheet->page1.leftMarginMm = 0;
    const Sample &sample = Samples[size_t(kind - FirstKind)];
    for (TextBoxTemplate &box : sheet->boxes)
        box.font.pointSize = sample.sizes[box.line];
    SampleFeed feed(sample.lines);
    const Composition composition = composeLabelPages(*sheet, feed);

    const double dotsPerMm = DotsPerInch / 25.4;
    QImage image(qRound(38.2 * dotsPerMm), qRound(20.9 * dotsPerMm),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!composition.pages.isEmpty())
        drawComposedPage(painter, composition.pages.first());
    return image;
}

} // namespace

QPixmap picture(int kind)
{
    QPixmap pixmap(Width, Height);
    pixmap.fill(QColor(0xe8, 0xe4, 0xda));
    const QImage label = drawnLabel(kind).scaled(Width - 12, Height - 8, Qt::KeepAspectRatio,
                                                 Qt::SmoothTransformation);
    const QRectF sticker(QPointF((Width - label.width()) / 2.0, (Height - label.height()) / 2.0),
                         label.size());
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawRoundedRect(sticker.translated(1.5, 1.5), 4, 4);
    QPainterPath rounded;
    rounded.addRoundedRect(sticker, 4, 4);
    painter.setClipPath(rounded);
    painter.drawImage(sticker.topLeft(), label);
    return pixmap;
}

} // namespace KindThumbnails
