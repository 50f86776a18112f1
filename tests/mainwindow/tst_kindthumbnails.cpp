// The kind thumbnails are drawn from the real templates: each shows ink
// where its kind prints, and no two kinds look alike.
#include "composition/labelfonts.h"
#include "mainwindow/kindthumbnails.h"

#include <QImage>
#include <QTest>

namespace {

// Dark pixels per row band of the picture: where text was drawn.
QList<int> inkProfile(const QImage &image)
{
    QList<int> rows(image.height(), 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            rows[y] += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    }
    return rows;
}

} // namespace

class TestKindThumbnails : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { LabelFonts::installKaiSubstitution(); }

    void eachKindIsItsOwnPicture()
    {
        QList<QList<int>> profiles;
        for (int kind = 1; kind <= 4; ++kind) {
            const QImage picture = KindThumbnails::picture(kind).toImage();
            QCOMPARE(picture.size(), QSize(KindThumbnails::Width, KindThumbnails::Height));
            const QList<int> profile = inkProfile(picture);
            int ink = 0;
            for (int count : profile)
                ink += count;
            QVERIFY2(ink > 100, qPrintable(QStringLiteral("kind %1 shows no text").arg(kind)));
            QVERIFY(!profiles.contains(profile));
            profiles.append(profile);
        }
    }

    void kindTwoPrintsThreeLinesDownTheLabel()
    {
        // The name in the upper half, then the birth and address lines.
        const QList<int> profile = inkProfile(KindThumbnails::picture(2).toImage());
        const auto inkIn = [&](int from, int to) {
            int ink = 0;
            for (int y = from; y < to; ++y)
                ink += profile[y];
            return ink;
        };
        QVERIFY(inkIn(0, KindThumbnails::Height / 2) > 0);
        QVERIFY(inkIn(KindThumbnails::Height / 2, KindThumbnails::Height) > 0);
    }
};

QTEST_MAIN(TestKindThumbnails)
#include "tst_kindthumbnails.moc"
