// The main window driven as a user would: typed values, the hex field, the
// sliders, the swatches and the hint line, with fake platform services.
#include "colorlist/history_window.h"
#include "controls/swatch.h"
#include "controls/trackbar_picker.h"
#include "engine/color_text.h"
#include "engine/extended_values.h"
#include "engine/palette.h"
#include "support/fake_platform.h"
#include "workspace/color_values_panel.h"
#include "workspace/hint_texts.h"
#include "workspace/main_window.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::workspace;
using controls::Swatch;
using controls::TmbTrackBarPicker;

Q_DECLARE_METATYPE(tessaro::TColor)

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;
    QTemporaryDir dataDir_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<colorlist::HistoryWindow> history_;

    int historySteps() const { return history_->log().count(); }

    QString dataFolder() const { return dataDir_.path() + QLatin1Char('/'); }
    template <typename T = QWidget>
    T* child(const char* name) const
    {
        T* widget = window_->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }
    QString text(const char* edit) const { return child<QLineEdit>(edit)->text(); }
    void typeInto(const char* edit, const QString& keys)
    {
        auto* line = child<QLineEdit>(edit);
        line->setFocus();
        line->selectAll();
        QTest::keyClicks(line, keys);
    }
    void press(const char* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(child(widget), key, modifiers);
    }
    // Everything that shows the main colour describes the same colour.
    void verifyConsistent(RgbTriple rgb)
    {
        const TColor color = MakeColor(rgb);
        const MainColorState& s = window_->state();
        QCOMPARE(s.rgb(), rgb);
        QCOMPARE(text("redEdit"), QString::number(rgb.red));
        QCOMPARE(text("greenEdit"), QString::number(rgb.green));
        QCOMPARE(text("blueEdit"), QString::number(rgb.blue));
        QCOMPARE(text("hhhedit"), QString::number(s.hue));
        QCOMPARE(text("sssedit"), QString::number(s.saturation));
        QCOMPARE(text("llledit"), QString::number(s.lightness));
        QCOMPARE(text("htmlEdit"), QString::fromStdString(HexText(color)));
        QCOMPARE(child<Swatch>("shape1")->color(), color);
        QCOMPARE(child<QLabel>("WebsafeLBL")->text(),
                 IsWebsafe(color) ? QStringLiteral("Websafe") : QStringLiteral("Not Websafe"));
        const auto lines = ExtendedValueLines(ComputeExtendedValues(rgb));
        QCOMPARE(child<QLabel>("XYZLabel")->text(), QString::fromStdString(lines[0]));
        QCOMPARE(child<QLabel>("CMYKLabel")->text(), QString::fromStdString(lines[4]));
        const DerivedPalette p = DerivePalette(rgb, color);
        QCOMPARE(child<Swatch>("Shape8")->color(), p.wheel[6]);
        QCOMPARE(child<Swatch>("Shape14")->color(), p.analogous[0]);
        QCOMPARE(child<Swatch>("Shape32")->color(), p.square[3]);
        QCOMPARE(child<Swatch>("Shape42")->color(), p.quickVariations[9]);
        for (const char* name : {"RBar1", "GBar1", "BBar1"})
            if (child<TmbTrackBarPicker>(name) != window_->colorValues()->draggedSlider())
                QCOMPARE(child<TmbTrackBarPicker>(name)->selectedColor(), color);
    }

private slots:
    void init()
    {
        QVERIFY(dataDir_.isValid());
        QFile::remove(dataFolder() + QStringLiteral("colors.txt"));
        fake_.dialogs.calls.clear();
        window_ = std::make_unique<MainWindow>(fake_.platform(), dataFolder());
        colorlist::HistoryHooks hooks;
        hooks.setMainColor = [this](TColor color) { window_->SetMainColor(color); };
        hooks.mainWindowGeometry = [this] { return window_->frameGeometry(); };
        hooks.shortcut = [this](int key, Qt::KeyboardModifiers mods) { return window_->HandleShortcut(key, mods); };
        history_ = std::make_unique<colorlist::HistoryWindow>(fake_.platform(), hooks);
        window_->setHistory(history_.get());
        window_->show();
        QApplication::setActiveWindow(window_.get());
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup()
    {
        window_.reset();
        history_.reset();
    }

    void startsWithTheDesignColour()
    {
        verifyConsistent({127, 212, 110});
        QCOMPARE(MainWindow(fake_.platform(), dataFolder()).hintText(), hints::kWelcome);
        QVERIFY(!child("clrnamed")->isVisible());
        QVERIFY(!child("ClrVal2PNL")->isVisible());
    }

    void setMainColorUpdatesEverything_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::newRow("websafe navy") << 0 << 51 << 102;
        QTest::newRow("hue 360") << 255 << 0 << 1;
        QTest::newRow("grey") << 200 << 200 << 200;
        QTest::newRow("black") << 0 << 0 << 0;
        QTest::newRow("white") << 255 << 255 << 255;
    }
    void setMainColorUpdatesEverything()
    {
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        const RgbTriple rgb{std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
        window_->SetMainColor(MakeColor(rgb));
        verifyConsistent(rgb);
        QCOMPARE(historySteps(), 0);
    }

    void hueOf360IsShownAsItIs()
    {
        window_->SetMainColor(MakeColor(255, 0, 1));
        QCOMPARE(text("hhhedit"), QStringLiteral("360"));
    }

    void valueEditsApplyOnEnterAndClampOnLeaving_data()
    {
        QTest::addColumn<QByteArray>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("steps");
        QTest::newRow("red 300 enter") << QByteArray("redEdit") << "300" << true << "255" << 1;
        QTest::newRow("red 300 tab") << QByteArray("redEdit") << "300" << false << "255" << 0;
        QTest::newRow("hue 360 enter") << QByteArray("hhhedit") << "360" << true << "359" << 1;
        QTest::newRow("sat 101 tab") << QByteArray("sssedit") << "101" << false << "100" << 0;
        QTest::newRow("letters dropped") << QByteArray("greenEdit") << "1x2y" << true << "12" << 1;
    }
    void valueEditsApplyOnEnterAndClampOnLeaving()
    {
        QFETCH(QByteArray, edit);
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QFETCH(QString, shown);
        QFETCH(int, steps);
        const TColor before = window_->state().mainColor;
        typeInto(edit.constData(), typed);
        press(edit.constData(), enter ? Qt::Key_Return : Qt::Key_Tab);
        QCOMPARE(text(edit.constData()), shown);
        QCOMPARE(historySteps(), steps);
        if (!enter)
            QCOMPARE(window_->state().mainColor, before);
        else
            verifyConsistent(window_->state().rgb());
    }

    void hue360AppliedBecomes359()
    {
        typeInto("sssedit", QStringLiteral("100"));
        typeInto("llledit", QStringLiteral("50"));
        typeInto("hhhedit", QStringLiteral("360"));
        press("hhhedit", Qt::Key_Return);
        QCOMPARE(window_->state().rgb(), (RgbTriple{255, 0, 4}));
        QCOMPARE(window_->state().hsl(), (HslTriple{359, 100, 50}));
    }

    void plusAndMinusStepAndApply_data()
    {
        QTest::addColumn<QByteArray>("edit");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("shown");
        QTest::newRow("+ on 255") << QByteArray("redEdit") << "255" << "+" << "255";
        QTest::newRow("- on red 0") << QByteArray("redEdit") << "0" << "-" << "255";
        QTest::newRow("- on hue 0") << QByteArray("hhhedit") << "0" << "-" << "359";
        QTest::newRow("- on sat 0") << QByteArray("sssedit") << "0" << "-" << "100";
        QTest::newRow("+ on hue 359") << QByteArray("hhhedit") << "359" << "+" << "359";
        QTest::newRow("+ on 17") << QByteArray("blueEdit") << "17" << "+" << "18";
    }
    void plusAndMinusStepAndApply()
    {
        QFETCH(QByteArray, edit);
        QFETCH(QString, start);
        QFETCH(QString, key);
        QFETCH(QString, shown);
        typeInto(edit.constData(), start);
        QTest::keyClicks(child(edit.constData()), key);
        QCOMPARE(text(edit.constData()), shown);
        QCOMPARE(historySteps(), 1);
        verifyConsistent(window_->state().rgb());
    }

    void emptyEditIgnoresEnter()
    {
        typeInto("redEdit", QString());
        child<QLineEdit>("redEdit")->clear();
        press("redEdit", Qt::Key_Return);
        QCOMPARE(historySteps(), 0);
        QCOMPARE(window_->state().rgb(), kDesignColor);
    }

    void hexFieldAppliesOnEnter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<TColor>("expected");
        QTest::newRow("green") << "00FF00" << MakeColor(0, 255, 0);
        QTest::newRow("two digits") << "FF" << MakeColor(255, 255, 0);
        QTest::newRow("lower case") << "ff8000" << MakeColor(255, 128, 0);
    }
    void hexFieldAppliesOnEnter()
    {
        QFETCH(QString, typed);
        QFETCH(TColor, expected);
        typeInto("htmlEdit", typed);
        press("htmlEdit", Qt::Key_Return);
        QCOMPARE(window_->state().mainColor, expected);
        QCOMPARE(historySteps(), 1);
        verifyConsistent(ToRgb(expected));
    }

    void invalidHexFieldReportsAndChangesNothing()
    {
        typeInto("htmlEdit", QStringLiteral("GG1234"));
        press("htmlEdit", Qt::Key_Return);
        QCOMPARE(window_->state().rgb(), kDesignColor);
        QCOMPARE(historySteps(), 0);
        QCOMPARE(fake_.dialogs.calls.size(), 1);
        QCOMPARE(fake_.dialogs.calls[0].text, QStringLiteral("'GG1234' is not a valid integer value"));
    }

    void websafeLabelClickSnaps()
    {
        window_->SetMainColor(MakeColor(130, 20, 250));
        QTest::mouseClick(child("WebsafeLBL"), Qt::LeftButton);
        QCOMPARE(window_->state().rgb(), (RgbTriple{153, 0, 255}));
        QCOMPARE(child<QLabel>("WebsafeLBL")->text(), QStringLiteral("Websafe"));
        QCOMPARE(historySteps(), 1);
    }

    void slidersChangeTheColourOnlyWhileFocusedAndRecordOnce()
    {
        auto* red = child<TmbTrackBarPicker>("RBar1");
        red->setValue(10);  // without the focus: the main colour stays
        QCOMPARE(window_->state().rgb(), kDesignColor);

        red->setFocus();
        QTRY_COMPARE(window_->colorValues()->draggedSlider(), red);
        QTest::keyClick(red, Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(window_->state().red, 0);
        QTest::keyClick(red, Qt::Key_Right);
        QTest::keyClick(red, Qt::Key_Right);
        QCOMPARE(window_->state().red, 2);
        QCOMPARE(red->value(), 2);
        QCOMPARE(historySteps(), 0);
        verifyConsistent({2, 212, 110});

        child("greenEdit")->setFocus();
        QTRY_VERIFY(window_->colorValues()->draggedSlider() == nullptr);
        QCOMPARE(historySteps(), 1);
    }

    void hslSlidersKeepTheValuesTheUserSet()
    {
        const auto slide = [this](const char* name, int value) {
            auto* slider = child<TmbTrackBarPicker>(name);
            slider->setFocus();
            QTRY_COMPARE(window_->colorValues()->draggedSlider(), slider);
            slider->setValue(value);
        };
        slide("HBar1", 0);
        slide("SBar1", 255);  // 240..255 all give saturation 100
        slide("LBar1", 120);
        QCOMPARE(window_->state().rgb(), (RgbTriple{255, 0, 0}));
        QCOMPARE(text("hhhedit"), QStringLiteral("0"));
        QCOMPARE(text("sssedit"), QStringLiteral("100"));
        QCOMPARE(text("llledit"), QStringLiteral("50"));
        QCOMPARE(child<TmbTrackBarPicker>("LBar1")->value(), 120);
        child("redEdit")->setFocus();
        QTRY_COMPARE(historySteps(), 3);
    }

    void rightClickOnHarmonySwatchSetsItsColour()
    {
        auto* swatch = child<Swatch>("Shape18");  // the complement
        const TColor complement = swatch->color();
        QTest::mouseClick(swatch, Qt::RightButton);
        QCOMPARE(window_->state().mainColor, complement);
        QCOMPARE(historySteps(), 1);
        // The wheel does not take right clicks.
        QTest::mouseClick(child("Shape5"), Qt::RightButton);
        QCOMPARE(window_->state().mainColor, complement);
    }

    void menuCommandsSetTheColourAndRecordOneStep_data()
    {
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<TColor>("start");
        QTest::addColumn<TColor>("expected");
        QTest::newRow("invert") << QByteArray("invertColorAction") << MakeColor(255, 128, 0) << MakeColor(0, 127, 255);
        QTest::newRow("lighten") << QByteArray("lightenAction") << MakeColor(51, 102, 153)
                                 << MakeColor(AdjustLightness({51, 102, 153}, 13));
        QTest::newRow("darken at 5") << QByteArray("darkenAction") << MakeColor(13, 13, 13) << MakeColor(0, 0, 0);
        QTest::newRow("saturate") << QByteArray("saturateAction") << MakeColor(200, 100, 50)
                                  << MakeColor(AdjustSaturation({200, 100, 50}, 13));
        QTest::newRow("desaturate") << QByteArray("desaturateAction") << MakeColor(200, 100, 50)
                                    << MakeColor(AdjustSaturation({200, 100, 50}, -13));
        QTest::newRow("websafe") << QByteArray("makeWebsafeAction") << MakeColor(130, 20, 250)
                                 << MakeColor(153, 0, 255);
    }
    void menuCommandsSetTheColourAndRecordOneStep()
    {
        QFETCH(QByteArray, action);
        QFETCH(TColor, start);
        QFETCH(TColor, expected);
        window_->SetMainColor(start);
        child<QMenu>("ValuesPM")->findChild<QAction*>(QString::fromLatin1(action))->trigger();
        QCOMPARE(window_->state().mainColor, expected);
        QCOMPARE(historySteps(), 1);
        verifyConsistent(ToRgb(expected));
    }

    void lightenFiveTimesReachesWhiteAndStays()
    {
        window_->SetMainColor(MakeColor(51, 102, 153));
        QList<int> lightness;
        for (int i = 0; i < 6; ++i) {
            window_->LightenCommand(kAdjustStep);
            lightness << window_->state().lightness;
        }
        QCOMPARE(lightness, (QList<int>{53, 66, 79, 92, 100, 100}));
        QCOMPARE(window_->state().mainColor, MakeColor(255, 255, 255));
    }

    void setColorToOffersTheEightColours()
    {
        auto* menu = child<QMenu>("setColorToMenu");
        QCOMPARE(menu->actions().size(), 8);
        menu->actions().at(6)->trigger();  // "&Magenta"
        QCOMPARE(menu->actions().at(6)->text(), QStringLiteral("&Magenta"));
        QCOMPARE(window_->state().mainColor, MakeColor(255, 0, 255));
        QCOMPARE(historySteps(), 1);
    }

    void colorDialogTakesItsColourOnlyOnOk()
    {
        fake_.dialogs.colors = {MakeColor(1, 2, 3), std::nullopt};
        window_->ColorDialogCommand();
        QCOMPARE(window_->state().mainColor, MakeColor(1, 2, 3));
        QCOMPARE(fake_.dialogs.calls.last().color, MakeColor(127, 212, 110));
        window_->ColorDialogCommand();
        QCOMPARE(window_->state().mainColor, MakeColor(1, 2, 3));
        QCOMPARE(historySteps(), 1);
    }

    void pasteTakesEveryColourFoundInOrder()
    {
        fake_.clipboard.content = QStringLiteral("color: #112233; background: #445566\r\n");
        press("redEdit", Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(historySteps(), 2);
        QCOMPARE(history_->log().steps(), (QStringList{QStringLiteral("17,34,51 - #112233"),
                                                       QStringLiteral("68,85,102 - #445566")}));
        verifyConsistent({68, 85, 102});
        fake_.clipboard.content = QStringLiteral("no colour here\r\n");
        QTest::mouseClick(child("pasteButton"), Qt::LeftButton);
        QCOMPARE(historySteps(), 2);
    }

    void undoAndRedoWalkTheHistoryFromKeysAndToolbar()
    {
        for (TColor c : {MakeColor(10, 0, 0), MakeColor(20, 0, 0), MakeColor(30, 0, 0)})
            window_->SetColorToCommand(c);
        press("redEdit", Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window_->state().mainColor, MakeColor(20, 0, 0));
        QTest::mousePress(child("undoButton"), Qt::LeftButton);
        QCOMPARE(window_->state().mainColor, MakeColor(10, 0, 0));
        press("redEdit", Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(window_->state().mainColor, MakeColor(20, 0, 0));
        QTest::mousePress(child("redoButton"), Qt::LeftButton);
        QCOMPARE(window_->state().mainColor, MakeColor(30, 0, 0));
        QCOMPARE(historySteps(), 3);
        QVERIFY(history_->isVisible());
        verifyConsistent({30, 0, 0});
    }

    void ctrlWMakesWebsafe()
    {
        window_->SetMainColor(MakeColor(130, 20, 250));
        press("htmlEdit", Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(window_->state().mainColor, MakeColor(153, 0, 255));
    }

    void hintsFollowTheMouse_data()
    {
        QTest::addColumn<QByteArray>("widget");
        QTest::addColumn<QString>("hint");
        QTest::newRow("edit") << QByteArray("sssedit") << hints::kValueEdit;
        QTest::newRow("hex") << QByteArray("htmlEdit") << hints::kHexEdit;
        QTest::newRow("websafe") << QByteArray("WebsafeLBL") << hints::kWebsafeLabel;
        QTest::newRow("title") << QByteArray("titleBar") << hints::kTitleBar;
        QTest::newRow("main swatch") << QByteArray("shape1")
                                     << hints::MainSwatchHint(MakeColor(0, 51, 102), true);
        QTest::newRow("wheel swatch") << QByteArray("Shape8")
                                      << hints::DerivedSwatchHint(DerivePalette({0, 51, 102}, MakeColor(0, 51, 102)).wheel[6]);
    }
    void hintsFollowTheMouse()
    {
        QFETCH(QByteArray, widget);
        QFETCH(QString, hint);
        window_->SetMainColor(MakeColor(0, 51, 102));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(child(widget.constData()), &enter);
        QCOMPARE(window_->hintText(), hint);
        // Over the bare window the hint line empties.
        QMouseEvent move(QEvent::MouseMove, QPointF(250, 400), window_->mapToGlobal(QPointF(250, 400)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window_.get(), &move);
        QCOMPARE(window_->hintText(), QString());
    }

    void colourNameShowsOnlyAfterStartUpAndWhileTheListExists()
    {
        QFile names(dataFolder() + QStringLiteral("colors.txt"));
        QVERIFY(names.open(QIODevice::WriteOnly));
        names.write("#ff0000=Red\r\n");
        names.close();
        window_->LoadColorNames();
        window_->SetMainColor(MakeColor(255, 0, 0));
        QVERIFY(!child("clrnamed")->isVisible());  // not ready yet

        window_->SetReady();
        window_->SetMainColor(MakeColor(255, 0, 0));
        QVERIFY(child("clrnamed")->isVisible());
        QCOMPARE(child<QLabel>("clrnamed")->text(), QStringLiteral("Red"));
        window_->SetMainColor(MakeColor(255, 0, 1));
        QVERIFY(!child("clrnamed")->isVisible());

        window_->SetMainColor(MakeColor(255, 0, 0));
        QFile::remove(dataFolder() + QStringLiteral("colors.txt"));
        window_->SetMainColor(MakeColor(0, 0, 255));  // the field keeps what it had
        QCOMPARE(child<QLabel>("clrnamed")->text(), QStringLiteral("Red"));
    }

    void valuesPagesSwitchFromTheSubMenu()
    {
        auto* menu = child<QMenu>("ValuesPM");
        menu->findChild<QAction*>(QStringLiteral("valuesPage2Action"))->trigger();
        QVERIFY(child("ClrVal2PNL")->isVisible());
        menu->findChild<QAction*>(QStringLiteral("valuesPage1Action"))->trigger();
        QVERIFY(!child("ClrVal2PNL")->isVisible());
    }

    void superMinimizeTogglesTheHeight()
    {
        press("redEdit", Qt::Key_F12);
        QVERIFY(window_->isRolledUp());
        QCOMPARE(window_->height(), MainWindow::kRolledUpHeight);
        QTest::mouseDClick(child("titleBar"), Qt::LeftButton, {}, QPoint(100, 8));
        QVERIFY(!window_->isRolledUp());
        QCOMPARE(window_->height(), MainWindow::kClientHeight);
    }

    void titleBarPressStartsAMoveAndMenuOffersStayOnTop()
    {
        fake_.windows.calls.clear();
        QTest::mousePress(child("titleBar"), Qt::LeftButton, {}, QPoint(100, 8));
        QVERIFY(!fake_.windows.calls.isEmpty());
        QCOMPARE(fake_.windows.calls.first().what, QStringLiteral("startMove"));
        QTest::mouseRelease(child("titleBar"), Qt::LeftButton, {}, QPoint(100, 8));

        press("redEdit", Qt::Key_T, Qt::ControlModifier);
        QVERIFY(window_->isStayOnTop());
        press("redEdit", Qt::Key_T, Qt::ControlModifier);
        QVERIFY(!window_->isStayOnTop());
        QCOMPARE(child<QLabel>("titleLabel")->text(), QStringLiteral("KT Tessaro 1.5.3"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
