// The Variations window and the Quick Color Palette: the grid painted only
// while the window is open, the value lines, the colours a press offers,
// the #080808 rule, the bitmap copy.
#include "platform/qt_color.h"
#include "controls/swatch.h"
#include "support/fake_platform.h"
#include "tools/color_picture.h"
#include "tools/palette_pictures.h"
#include "tools/quick_palette_window.h"
#include "tools/variations_window.h"
#include "state/main_color.h"

#include <QLabel>
#include <QMenu>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::tools;

class PaletteWindowsTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;

private slots:
    void variationsGridOnlyWhileOpen()
    {
        workspace::MainColor mainColor;
        VariationsWindow window(fake_.platform(), mainColor);
        const auto cell = [&window](int row, int column) {
            return window.picture()->colorAt(QPoint(10 + 20 * column + 7, 10 + 20 * row + 7));
        };
        mainColor.set(MakeColor(255, 128, 0));
        QCOMPARE(cell(0, 0), TColor(0xFFFFFF));  // closed: never painted
        window.show();
        QVERIFY(mainColor.state().variationsOpen);
        QCOMPARE(cell(0, 5), mainColor.state().palette.variationGrid[0][5]);
        QCOMPARE(cell(11, 9), mainColor.state().palette.variationGrid[11][9]);
        // A gap between cells offers what the picture shows there.
        QCOMPARE(window.picture()->colorAt(QPoint(27, 27)), TColor(0xFFFFFF));

        const TColor before = cell(3, 3);
        window.closeByHand();
        QVERIFY(!mainColor.state().variationsOpen);
        mainColor.set(MakeColor(0, 0, 200));
        QCOMPARE(cell(3, 3), before);  // closed: the picture stays
        window.show();
        QCOMPARE(cell(3, 3), mainColor.state().palette.variationGrid[3][3]);  // repainted at once
    }

    void variationsValueLineAndDrag()
    {
        workspace::MainColor mainColor;
        VariationsWindow window(fake_.platform(), mainColor);
        window.show();
        QList<TColor> dragged;
        window.setDragStarter([&dragged](TColor color) { dragged << color; });
        const QPoint at(10 + 20 * 2 + 3, 10 + 20 * 4 + 3);
        QTest::mouseMove(window.picture(), at);
        QCOMPARE(window.valueLine()->text(),
                 QString::fromStdString(VariationsValueText(mainColor.state().palette.variationGrid[4][2])));
        QVERIFY(window.valueLine()->text().endsWith(QStringLiteral(" ) ")));
        QTest::mousePress(window.picture(), Qt::LeftButton, {}, at);
        QCOMPARE(dragged, (QList<TColor>{mainColor.state().palette.variationGrid[4][2]}));
        QCOMPARE(window.dragColor(), dragged.first());

        window.CopyAsBitmap();
        QCOMPARE(fake_.clipboard.image.size(), QSize(214, 251));
        QCOMPARE(window.menu()->actions().first()->text(), QStringLiteral("Copy Variations as Bitmap"));
    }

    void websafeLinesStartNoDrag_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("drags");
        QTest::newRow("grid line") << QPoint(9, 40) << false;
        QTest::newRow("row 0 column 1 holds #080808") << QPoint(13, 4) << false;
        QTest::newRow("white cell") << QPoint(4, 49) << true;
        QTest::newRow("websafe cell") << QPoint(9 * 7 + 4, 9 * 8 + 4) << true;
    }
    void websafeLinesStartNoDrag()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, drags);
        QuickPaletteWindow window(fake_.platform());
        QList<TColor> dragged;
        window.setDragStarter([&dragged](TColor color) { dragged << color; });
        QCOMPARE(window.valueLine()->text(), QStringLiteral("Move your mouse over a color."));
        QTest::mousePress(window.websafe(), Qt::LeftButton, {}, at);
        QCOMPARE(dragged.size(), drags ? 1 : 0);
        if (drags) {
            QCOMPARE(dragged.first(), WebsafePixel(at.x(), at.y()));
            QCOMPARE(window.valueLine()->text(), QString::fromStdString(PaletteValueText(dragged.first())));
        } else {
            QCOMPARE(window.valueLine()->text(), QStringLiteral("Move your mouse over a color."));
        }
    }

    void spectrumOffersItsStretchedPixels()
    {
        QuickPaletteWindow window(fake_.platform());
        QList<TColor> dragged;
        window.setDragStarter([&dragged](TColor color) { dragged << color; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.spectrum()->picture().size(), QSize(172, 63));
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 31), window.spectrum()->mapToGlobal(QPointF(1, 31)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.spectrum(), &move);
        QCOMPARE(window.valueLine()->text(), QStringLiteral("RGB(255,0,0) | #FF0000 "));
        QCOMPARE(window.swatch()->color(), MakeColor(255, 0, 0));
        QTest::mousePress(window.spectrum(), Qt::LeftButton, {}, QPoint(171, 0));
        QCOMPARE(dragged, (QList<TColor>{TColor(0xFFFFFF)}));
    }
};

QTEST_MAIN(PaletteWindowsTest)
#include "palette_windows_test.moc"
