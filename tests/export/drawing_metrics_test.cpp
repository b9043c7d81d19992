// The metafile's text spacing against the font the bitmap draws with: each
// character's advance in the text records is the font's, they add up to the
// line's width, and the bitmap's line ends where the advances end.
#include "export/drawing.h"
#include "export/drawing_emf.h"
#include "export/drawing_image.h"

#include "emf_text_records.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QtTest>

#include <cmath>
#include <numeric>

namespace tessaro::exporting {

class DrawingMetricsTest : public QObject {
    Q_OBJECT

private slots:
    void advancesAreTheFontsAndAddUpToTheLine()
    {
        const Drawing drawing = ListDrawing({MakeColor(0, 0, 0), MakeColor(255, 128, 0)});
        const std::vector<test::EmfTextRecord> records = test::EmfTextRecords(DrawingEmf(drawing, DrawnTextAdvances));
        QCOMPARE(records.size(), drawing.texts.size());
        for (std::size_t i = 0; i < records.size(); ++i) {
            const DrawnText& line = drawing.texts[i];
            const QString text = QString::fromStdString(line.text);
            QCOMPARE(QString::fromStdU16String(records[i].text), text);
            const QFontMetricsF metrics(DrawnTextFont(line));
            for (qsizetype k = 0; k < text.size(); ++k)
                QVERIFY2(std::abs(records[i].advances[std::size_t(k)] - metrics.horizontalAdvance(text.at(k))) <= 1.0,
                         qPrintable(QStringLiteral("'%1' character %2").arg(text).arg(k)));
            const int sum = std::accumulate(records[i].advances.begin(), records[i].advances.end(), 0);
            QCOMPARE(sum, int(std::lround(metrics.horizontalAdvance(text))));
        }
    }

    // The old estimate gave every character the same advance; a font does
    // not ("1" and "W" differ), so neither do the records.
    void advancesDifferBetweenNarrowAndWideCharacters()
    {
        DrawnText line;
        line.text = "1W";
        const std::vector<std::int32_t> advances = DrawnTextAdvances(line);
        QCOMPARE(advances.size(), std::size_t(2));
        QVERIFY(advances[0] < advances[1]);
        line.text = "a\xF0\x9F\x98\x80";  // a surrogate pair takes its advance on its second unit
        const std::vector<std::int32_t> pair = DrawnTextAdvances(line);
        QCOMPARE(pair.size(), std::size_t(3));
        QCOMPARE(pair[1], 0);
    }

    void bitmapLineEndsWhereTheAdvancesEnd()
    {
        const Drawing drawing = ListDrawing({MakeColor(255, 128, 0)});
        const QImage image = DrawingImage(drawing);
        for (const DrawnText& line : drawing.texts) {
            const std::vector<std::int32_t> advances = DrawnTextAdvances(line);
            const int end = line.x + std::accumulate(advances.begin(), advances.end(), 0);
            int lastInk = -1;
            for (int y = line.y; y < std::min(image.height(), line.y + 2 * line.pixelSize()); ++y)
                for (int x = line.x; x < image.width(); ++x)
                    if (qGray(image.pixel(x, y)) < 200)
                        lastInk = std::max(lastInk, x);
            // The last glyph's ink lies within its own advance.
            QVERIFY2(lastInk > end - advances.back() - 1 && lastInk <= end + 1,
                     qPrintable(QStringLiteral("'%1': ink to %2, advances to %3")
                                    .arg(QString::fromStdString(line.text))
                                    .arg(lastInk)
                                    .arg(end)));
        }
    }
};

} // namespace tessaro::exporting

QTEST_MAIN(tessaro::exporting::DrawingMetricsTest)
#include "drawing_metrics_test.moc"
