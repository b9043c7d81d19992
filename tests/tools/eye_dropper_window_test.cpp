// The eye dropper window over a fake screen: the magnifier picture pixel by
// pixel, the labels, the menus as one radio group, picks and closes by
// keys and clicks, the settings keys.
#include "platform/qt_color.h"
#include "support/fake_platform.h"
#include "tools/eye_dropper_settings.h"
#include "tools/eye_dropper_window.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::tools;

namespace {

// Every screen pixel tells where it is: red x mod 256, green y mod 256,
// blue x div 256.
TColor Coded(int x, int y)
{
    return MakeColor(std::uint8_t(x % 256), std::uint8_t(y % 256), std::uint8_t(x / 256));
}

QStringList CheckedCaptions(const QMenu* menu)
{
    QStringList checked;
    for (const QAction* action : menu->findChildren<QAction*>())
        if (action->isChecked())
            checked << action->text();
    return checked;
}

} // namespace

class EyeDropperWindowTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;

private slots:
    void init()
    {
        fake_.screen.image = QImage(1024, 768, QImage::Format_RGB32);
        fake_.dialogs.calls.clear();
        for (int y = 0; y < fake_.screen.image.height(); ++y)
            for (int x = 0; x < fake_.screen.image.width(); ++x)
                fake_.screen.image.setPixel(x, y, ToQRgb(Coded(x, y)));
    }

    void magnifierReplicatesTheShiftedSource_data()
    {
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QPoint>("sourceTopLeft");
        QTest::addColumn<int>("sourceSide");
        QTest::newRow("middle 2x") << QPoint(500, 400) << 1 << QPoint(464, 364) << 72;
        QTest::newRow("top-left 4x") << QPoint(0, 0) << 2 << QPoint(0, 0) << 36;
        QTest::newRow("bottom-right 8x") << QPoint(1023, 767) << 4 << QPoint(1006, 750) << 18;
        QTest::newRow("right edge 6x") << QPoint(1020, 300) << 3 << QPoint(1000, 288) << 24;
    }
    void magnifierReplicatesTheShiftedSource()
    {
        QFETCH(QPoint, cursor);
        QFETCH(int, zoom);
        QFETCH(QPoint, sourceTopLeft);
        QFETCH(int, sourceSide);
        EyeDropperWindow window(fake_.platform());
        window.setShowGrid(false);
        window.setSampling(5);  // no marker, no sample
        window.setZoom(zoom);
        window.setPanelPosition({700, 500});  // away from the sources: only the screenshot is read
        fake_.screen.cursor = cursor;
        window.Open();
        const QImage& magnifier = window.magnifier();
        for (int y = 0; y < kMagnifierSide; y += 7)
            for (int x = 0; x < kMagnifierSide; x += 5) {
                const QPoint source = sourceTopLeft + QPoint(x * sourceSide / 145, y * sourceSide / 145);
                QCOMPARE(FromQRgb(magnifier.pixel(x, y)), Coded(source.x(), source.y()));
            }
        window.Close();
    }

    void gridAndMarkerOverTheMagnifier()
    {
        EyeDropperWindow window(fake_.platform());
        fake_.screen.fill(MakeColor(10, 20, 30));
        fake_.screen.cursor = {300, 300};
        window.setZoom(2);
        window.setSampling(1);
        window.setShowGrid(true);
        window.Open();
        const QImage& m = window.magnifier();
        const auto at = [&m](int x, int y) { return FromQRgb(m.pixel(x, y)); };
        QCOMPARE(at(4, 10), TColor(0));          // vertical line at x = 4
        QCOMPARE(at(10, 144), TColor(0));        // the last line, at 144
        QCOMPARE(at(5, 5), MakeColor(10, 20, 30));
        // 3x3 at 4x: black outline from 66 to 82, white from 67 to 81.
        QCOMPARE(at(66, 75), TColor(0));
        QCOMPARE(at(82, 70), TColor(0));
        QCOMPARE(at(67, 70), TColor(0xFFFFFF));
        QCOMPARE(at(81, 81), TColor(0xFFFFFF));
        QCOMPARE(at(75, 75), MakeColor(10, 20, 30));  // inside: the picture

        window.setZoom(1);
        window.Tick();
        QCOMPARE(FromQRgb(window.magnifier().pixel(4, 10)), MakeColor(10, 20, 30));  // 2x: no grid
    }

    void samplesAndLabels()
    {
        EyeDropperWindow window(fake_.platform());
        fake_.screen.fill(MakeColor(255, 128, 0));
        window.setSampling(2);
        fake_.screen.cursor = {0, 0};  // 16 of 25 points off the screen: white
        window.Open();
        QCOMPARE(window.sampledColor(), MakeColor(255, 209, 163));
        fake_.screen.cursor = {200, 200};
        window.Tick();
        QCOMPARE(window.sampledColor(), MakeColor(255, 128, 0));
        const std::array<QString, 3> labels = window.labelTexts();
        QCOMPARE(labels[0], QStringLiteral("RGB(255,128,0)"));
        QCOMPARE(labels[1], QStringLiteral("HSL(30,100,50)"));
        QCOMPARE(labels[2], QStringLiteral("HEX #FF8000"));
        window.setSampling(7);  // unknown: the swatch keeps its colour
        fake_.screen.fill(0);
        window.Tick();
        QCOMPARE(window.sampledColor(), MakeColor(255, 128, 0));
    }

    void readsShowThePanelOverTheScreenshot()
    {
        EyeDropperWindow window(fake_.platform());
        fake_.screen.fill(MakeColor(0, 0, 1));  // an all-black screen is refused
        window.setSampling(0);
        // Right of the magnifier frame the panel is white.
        const QPoint onPanel = EyeDropperWindow::kDesignPanelPosition + QPoint(165, 100);
        fake_.screen.cursor = onPanel;
        window.Open();
        QCOMPARE(window.sampledColor(), TColor(0xFFFFFF));
        fake_.screen.cursor = onPanel + QPoint(40, 0);
        window.Tick();
        QCOMPARE(window.sampledColor(), MakeColor(0, 0, 1));
    }

    void menusTickTogether()
    {
        EyeDropperWindow window(fake_.platform());
        window.setZoom(3);
        window.setSampling(2);
        QCOMPARE(CheckedCaptions(window.magnifierMenu()), (QStringList{"&6x", "5x5"}));
        QVERIFY(CheckedCaptions(window.eyeMenu()).contains(QStringLiteral("6x")));
        QVERIFY(CheckedCaptions(window.eyeMenu()).contains(QStringLiteral("Show Grid")));
        // A choice in one menu ticks both.
        for (QAction* action : window.magnifierMenu()->actions())
            if (action->text() == QStringLiteral("&2x"))
                action->trigger();
        QCOMPARE(window.zoom(), 1);
        QVERIFY(CheckedCaptions(window.eyeMenu()).contains(QStringLiteral("2x")));
        QVERIFY(!CheckedCaptions(window.eyeMenu()).contains(QStringLiteral("6x")));
        window.setZoom(9);  // kept, and no zoom entry ticked
        QCOMPARE(CheckedCaptions(window.magnifierMenu()), (QStringList{"5x5"}));
    }

    void picksAndCloses_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("picks");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("F2 picks and closes") << int(Qt::Key_F2) << 1 << false;
        QTest::newRow("F3 picks and stays") << int(Qt::Key_F3) << 1 << true;
        QTest::newRow("F4 closes") << int(Qt::Key_F4) << 0 << false;
        QTest::newRow("Esc closes") << int(Qt::Key_Escape) << 0 << false;
    }
    void picksAndCloses()
    {
        QFETCH(int, key);
        QFETCH(int, picks);
        QFETCH(bool, staysOpen);
        EyeDropperWindow window(fake_.platform());
        fake_.screen.cursor = {10, 20};
        window.setSampling(0);
        QSignalSpy picked(&window, &EyeDropperWindow::picked);
        QSignalSpy closed(&window, &EyeDropperWindow::closed);
        window.Open();
        QTest::keyClick(&window, Qt::Key(key));
        QCOMPARE(picked.size(), picks);
        if (picks)
            QCOMPARE(picked.at(0).at(0).value<TColor>(), Coded(10, 20));
        QCOMPARE(window.isOpen(), staysOpen);
        QCOMPARE(closed.size(), staysOpen ? 0 : 1);
    }

    void clicksOnTheScreenshot()
    {
        EyeDropperWindow window(fake_.platform());
        fake_.screen.cursor = {600, 500};
        window.setSampling(0);
        QSignalSpy picked(&window, &EyeDropperWindow::picked);
        window.Open();
        QTest::mouseClick(&window, Qt::RightButton, {}, QPoint(600, 500));
        QCOMPARE(picked.size(), 1);
        QVERIFY(window.isOpen());
        QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(600, 500));
        QCOMPARE(picked.size(), 2);
        QVERIFY(!window.isOpen());
    }

    // The panel's own title bar moves and rolls it up; the magnifier's
    // right-click menu opens. Neither picks nor closes.
    void pressesOnThePanelNeverPick()
    {
        EyeDropperWindow window(fake_.platform());
        fake_.screen.cursor = {600, 500};
        QSignalSpy picked(&window, &EyeDropperWindow::picked);
        window.Open();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* title = window.findChild<QWidget*>(QStringLiteral("ustPNL"));
        QVERIFY(title);
        const QPoint grip(40, 8);
        const QPoint start = title->mapTo(&window, grip);
        QTest::mousePress(title, Qt::LeftButton, {}, grip);
        // The pointer's steps on the screen; the title moves along.
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(title, title->mapFrom(&window, start + QPoint(25 * step, 15 * step)));
        QTest::mouseRelease(title, Qt::LeftButton, {}, title->mapFrom(&window, start + QPoint(100, 60)));
        QCOMPARE(window.panelPosition(), QPoint(16, 16) + QPoint(100, 60));
        QCOMPARE(picked.size(), 0);
        QVERIFY(window.isOpen());

        QTest::mouseDClick(title, Qt::LeftButton, {}, grip);
        QVERIFY(window.isPanelRolledUp());
        QCOMPARE(picked.size(), 0);
        QVERIFY(window.isOpen());
        QTest::mouseDClick(title, Qt::LeftButton, {}, grip);
        QVERIFY(!window.isPanelRolledUp());

        auto* magnifier = window.findChild<QWidget*>(QStringLiteral("EyeIMG"));
        QTest::mouseClick(magnifier, Qt::RightButton, {}, QPoint(70, 70));
        QContextMenuEvent menuAsked(QContextMenuEvent::Mouse, QPoint(70, 70), magnifier->mapToGlobal(QPoint(70, 70)));
        QCoreApplication::sendEvent(magnifier, &menuAsked);
        QTRY_VERIFY(window.magnifierMenu()->isVisible());
        window.magnifierMenu()->close();
        QCOMPARE(picked.size(), 0);
        QVERIFY(window.isOpen());
        window.Close();
    }

    // The pointer's own events say where it is, before it ever moves: the
    // desktop may not tell (native Wayland).
    void samplesWhereThePointerEntered()
    {
        EyeDropperWindow window(fake_.platform());
        fake_.screen.cursor = {3, 3};  // stale
        window.setSampling(0);
        QSignalSpy picked(&window, &EyeDropperWindow::picked);
        window.Open();
        QEnterEvent enter(QPointF(700, 600), QPointF(700, 600), QPointF(700, 600));
        QCoreApplication::sendEvent(&window, &enter);
        QCOMPARE(window.pointerPosition(), QPoint(700, 600));
        window.Tick();
        QCOMPARE(window.sampledColor(), Coded(700, 600));
        QTest::keyClick(&window, Qt::Key_F2);
        QCOMPARE(picked.at(0).at(0).value<TColor>(), Coded(700, 600));
    }

    // An all-black capture is what an empty root window gives (XWayland):
    // said, not frozen and picked as black; the windows come back first.
    void allBlackCaptureIsRefused()
    {
        fake_.screen.fill(0);
        fake_.windows.calls.clear();
        EyeDropperWindow window(fake_.platform());
        QSignalSpy picked(&window, &EyeDropperWindow::picked);
        QSignalSpy closed(&window, &EyeDropperWindow::closed);
        window.Open();
        QVERIFY(!window.isVisible());
        QCOMPARE(closed.size(), 1);
        QCOMPARE(picked.size(), 0);
        QCOMPARE(fake_.dialogs.calls.size(), 1);
        QVERIFY(fake_.dialogs.calls.at(0).text.contains(QStringLiteral("all black")));
        QCOMPARE(fake_.windows.calls.size(), 2);
        QCOMPARE(fake_.windows.calls.at(1).what, QStringLiteral("showAgain"));
    }

    // In a Wayland session the compositor would stack the program's windows
    // over the frozen screen: they come back when the dropper closes.
    void programWindowsComeBackAtTheCloseInAWaylandSession_data()
    {
        QTest::addColumn<QByteArray>("waylandDisplay");
        QTest::addColumn<bool>("backWhileOpen");
        QTest::newRow("X11") << QByteArray() << true;
        QTest::newRow("Wayland session") << QByteArray("wayland-test") << false;
    }
    void programWindowsComeBackAtTheCloseInAWaylandSession()
    {
        QFETCH(QByteArray, waylandDisplay);
        QFETCH(bool, backWhileOpen);
        const QByteArray saved = qgetenv("WAYLAND_DISPLAY");
        qputenv("WAYLAND_DISPLAY", waylandDisplay);
        fake_.windows.calls.clear();
        EyeDropperWindow window(fake_.platform());
        window.Open();
        const auto shownAgain = [this] {
            return std::count_if(fake_.windows.calls.begin(), fake_.windows.calls.end(),
                                 [](const auto& call) { return call.what == QStringLiteral("showAgain"); });
        };
        QVERIFY(window.isVisible());
        QCOMPARE(shownAgain(), backWhileOpen ? 1 : 0);
        QCOMPARE(window.isFullScreen(), !backWhileOpen);
        window.Close();
        QCOMPARE(shownAgain(), 1);
        qputenv("WAYLAND_DISPLAY", saved);
    }

    void unreadableScreenIsSaidNotShownBlack()
    {
        fake_.screen.image = QImage();
        EyeDropperWindow window(fake_.platform());
        QSignalSpy closed(&window, &EyeDropperWindow::closed);
        window.Open();
        QVERIFY(!window.isVisible());
        QCOMPARE(closed.size(), 1);
        QCOMPARE(fake_.dialogs.calls.size(), 1);
        QCOMPARE(fake_.dialogs.calls.at(0).what, QStringLiteral("notify"));
    }

    void settingsWithBadValues_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QPoint>("panel");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("sampling");
        QTest::addColumn<bool>("grid");
        QTest::addColumn<TColor>("color");
        QTest::newRow("missing") << QStringList{} << QPoint(16, 16) << 1 << 1 << true << TColor(0x00FFFF);
        QTest::newRow("stored") << QStringList{"EyeTop=40", "EyeLeft=50", "zoom=3", "sampling=2", "ShowGrid=0",
                                               "LastEyeCol=clRed"}
                                << QPoint(50, 40) << 3 << 2 << false << TColor(0x0000FF);
        QTest::newRow("beyond the screen")
            << QStringList{"EyeTop=5000", "EyeLeft=2000", "ShowGrid=no"} << QPoint(512, 384) << 1 << 1 << true
            << TColor(0x00FFFF);
        QTest::newRow("garbage") << QStringList{"EyeTop=-5", "EyeLeft=x", "zoom=-5", "sampling=7", "LastEyeCol=%%"}
                                 << QPoint(16, 0) << -5 << 7 << true << TColor(0x00FFFF);
    }
    void settingsWithBadValues()
    {
        QFETCH(QStringList, lines);
        QFETCH(QPoint, panel);
        QFETCH(int, zoom);
        QFETCH(int, sampling);
        QFETCH(bool, grid);
        QFETCH(TColor, color);
        workspace::SettingsStore settings;
        for (const QString& line : lines)
            settings.SetSetting(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
        EyeDropperWindow window(fake_.platform());
        ReadEyeDropperSettings(window, settings, QSize(1024, 768));
        QCOMPARE(window.panelPosition(), panel);
        QCOMPARE(window.zoom(), zoom);
        QCOMPARE(window.sampling(), sampling);
        QCOMPARE(window.showGrid(), grid);
        QCOMPARE(window.sampledColor(), color);
        window.Open();  // a zoom of 0 or less becomes 1 at the first tick
        QCOMPARE(window.zoom(), std::max(zoom, 1));
        workspace::LiveSettings live;
        WriteEyeDropperSettings(window, live);
        QCOMPARE(live.value(workspace::Setting::ShowGrid), grid ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(live.value(workspace::Setting::EyeLeft), QString::number(panel.x()));
    }
};

QTEST_MAIN(EyeDropperWindowTest)
#include "eye_dropper_window_test.moc"
