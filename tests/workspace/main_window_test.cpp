// The main window driven as a user would: typed values, the hex field, the
// sliders, the swatches and the hint line, with fake platform services.
#include "colorlist/color_list_commands.h"
#include "colorlist/color_list_panel.h"
#include "colorlist/color_list_view.h"
#include "colorlist/color_mime.h"
#include "colorlist/history_window.h"
#include "controls/shortcuts.h"
#include "controls/swatch.h"
#include "controls/trackbar_picker.h"
#include "controls/oklch_pickers.h"
#include "engine/gamut_map.h"
#include "engine/color_text.h"
#include "engine/extended_values.h"
#include "engine/palette.h"
#include "support/fake_platform.h"
#include "workspace/color_values_panel.h"
#include "workspace/hint_texts.h"
#include "workspace/editing_commands.h"
#include "state/main_color.h"
#include "workspace/main_window.h"
#include "workspace/program_session.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QUrl>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::workspace;
using controls::Swatch;
using controls::TrackBarPicker;

Q_DECLARE_METATYPE(tessaro::TColor)

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;
    QTemporaryDir dir_;
    std::unique_ptr<ProgramSession> session_;

    MainWindow* window() const { return session_->mainWindow(); }
    MainColor& mainColor() const { return *session_->mainColor(); }
    const MainColorState& state() const { return mainColor().state(); }
    colorlist::HistoryWindow* history() const { return session_->historyWindow(); }
    int historySteps() const { return history()->log().count(); }
    QString dataFolder() const { return dir_.path() + QStringLiteral("/TD/"); }
    // A whole session over the temporary data folder, its main window active.
    void startSession()
    {
        session_.reset();
        session_ = std::make_unique<ProgramSession>(
            fake_.platform(), DataFolders{dir_.path() + QLatin1Char('/'), dataFolder(), dir_.path() + QStringLiteral("/CLLs/")},
            QStringLiteral("/opt/kt/kt-tessaro"));
        session_->Start();
        QApplication::setActiveWindow(window());
        QVERIFY(QTest::qWaitForWindowActive(window()));
    }
    template <typename T = QWidget>
    T* child(const char* name) const
    {
        T* widget = window()->findChild<T*>(QString::fromLatin1(name));
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
    // A key typed into a control that has the keyboard.
    void press(const char* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        child(widget)->setFocus();
        QTest::keyClick(child(widget), key, modifiers);
    }
    // Everything that shows the main colour describes the same colour.
    void verifyConsistent(RgbTriple rgb)
    {
        const TColor color = MakeColor(rgb);
        const MainColorState& s = state();
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
            if (child<TrackBarPicker>(name) != window()->colorValues()->draggedSlider())
                QCOMPARE(child<TrackBarPicker>(name)->selectedColor(), color);
    }

    // A drag from a swatch ends on the main swatch, as a real drag delivers
    // it: the drag enters, then drops.
    void dropSwatchOnMainSwatch(const char* source)
    {
        auto* swatch = child<Swatch>(source);
        QMimeData mime;
        colorlist::PopulateColorMime(mime, swatch->color(), *swatch->dragSource());
        auto* target = child("shape1");
        QDragEnterEvent enter(QPoint(30, 30), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(30, 30), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QVERIFY(drop.isAccepted());
    }

private slots:
    void init()
    {
        QVERIFY(dir_.isValid());
        QDir(dir_.path()).mkpath(QStringLiteral("TD"));
        QFile::remove(dataFolder() + QStringLiteral("colors.txt"));
        QFile::remove(dataFolder() + QStringLiteral("history.cl2"));
        fake_.dialogs.calls.clear();
        startSession();
    }
    void cleanup()
    {
        session_.reset();
        fake_.windows.keepsOnTop = true;
    }

    // Where the desktop cannot keep a window on top, Ctrl+T still records
    // the choice, and the hint line says once a run that it is not granted.
    void stayOnTopUnavailableIsSaidOnce()
    {
        fake_.windows.keepsOnTop = false;
        for (const bool expectSaid : {true, false}) {
            window()->ShowHint(QString());
            QTest::keyClick(window(), Qt::Key_T, Qt::ControlModifier);
            QVERIFY(window()->isStayOnTop());
            QCOMPARE(window()->hintText(), expectSaid ? hints::kStayOnTopUnavailable : QString());
            QTest::keyClick(window(), Qt::Key_T, Qt::ControlModifier);
            QVERIFY(!window()->isStayOnTop());
        }
    }

    void startsWithTheDesignColour()
    {
        verifyConsistent({127, 212, 110});
        QCOMPARE(window()->hintText(), hints::kWelcome);
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
        mainColor().set(MakeColor(rgb));
        verifyConsistent(rgb);
        QCOMPARE(historySteps(), 0);
    }

    // After the event loop repainted what a colour change made dirty, the
    // screen shows what a fresh paint of the whole window shows.
    void repaintOfTheChangedWidgetsShowsTheWholeWindow()
    {
        const TColor colors[] = {0x003366, 0xFF0001, 0xC8C8C8, 0x000000, 0xFFFFFF, 0x7FD46E, 0x123456};
        for (TColor color : colors) {
            mainColor().set(color);
            QApplication::processEvents();
            // The offscreen screen reads the window's backing store.
            const QImage shown =
                window()->screen()->grabWindow(window()->winId()).toImage().convertToFormat(QImage::Format_RGB32);
            const QImage painted = window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QVERIFY(!shown.isNull());
            QCOMPARE(shown, painted);
        }
    }

    void hueOf360IsShownAsItIs()
    {
        mainColor().set(MakeColor(255, 0, 1));
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
        const TColor before = state().mainColor;
        typeInto(edit.constData(), typed);
        press(edit.constData(), enter ? Qt::Key_Return : Qt::Key_Tab);
        QCOMPARE(text(edit.constData()), shown);
        QCOMPARE(historySteps(), steps);
        if (!enter)
            QCOMPARE(state().mainColor, before);
        else
            verifyConsistent(state().rgb());
    }

    void hue360AppliedBecomes359()
    {
        typeInto("sssedit", QStringLiteral("100"));
        typeInto("llledit", QStringLiteral("50"));
        typeInto("hhhedit", QStringLiteral("360"));
        press("hhhedit", Qt::Key_Return);
        QCOMPARE(state().rgb(), (RgbTriple{255, 0, 4}));
        QCOMPARE(state().hsl(), (HslTriple{359, 100, 50}));
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
        verifyConsistent(state().rgb());
    }

    void emptyEditIgnoresEnter()
    {
        typeInto("redEdit", QString());
        child<QLineEdit>("redEdit")->clear();
        press("redEdit", Qt::Key_Return);
        QCOMPARE(historySteps(), 0);
        QCOMPARE(state().rgb(), kDesignColor);
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
        QCOMPARE(state().mainColor, expected);
        QCOMPARE(historySteps(), 1);
        verifyConsistent(ToRgb(expected));
    }

    void invalidHexFieldReportsAndChangesNothing()
    {
        typeInto("htmlEdit", QStringLiteral("GG1234"));
        press("htmlEdit", Qt::Key_Return);
        QCOMPARE(state().rgb(), kDesignColor);
        QCOMPARE(historySteps(), 0);
        QCOMPARE(fake_.dialogs.calls.size(), 1);
        QCOMPARE(fake_.dialogs.calls[0].text, QStringLiteral("'GG1234' is not a valid integer value"));
    }

    void websafeLabelClickSnaps()
    {
        mainColor().set(MakeColor(130, 20, 250));
        QTest::mouseClick(child("WebsafeLBL"), Qt::LeftButton);
        QCOMPARE(state().rgb(), (RgbTriple{153, 0, 255}));
        QCOMPARE(child<QLabel>("WebsafeLBL")->text(), QStringLiteral("Websafe"));
        QCOMPARE(historySteps(), 1);
    }

    void slidersChangeTheColourOnlyWhileFocusedAndRecordOnce()
    {
        auto* red = child<TrackBarPicker>("RBar1");
        red->setValue(10);  // without the focus: the main colour stays
        QCOMPARE(state().rgb(), kDesignColor);

        red->setFocus();
        QTRY_COMPARE(window()->colorValues()->draggedSlider(), red);
        QTest::keyClick(red, Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(state().red, 0);
        QTest::keyClick(red, Qt::Key_Right);
        QTest::keyClick(red, Qt::Key_Right);
        QCOMPARE(state().red, 2);
        QCOMPARE(red->value(), 2);
        QCOMPARE(historySteps(), 0);
        verifyConsistent({2, 212, 110});

        child("greenEdit")->setFocus();
        QTRY_VERIFY(window()->colorValues()->draggedSlider() == nullptr);
        QCOMPARE(historySteps(), 1);
    }

    // The third page: chosen from the section's menu, the first two pages
    // as they were.
    void valuesMenuChoosesAmongThreePages()
    {
        ColorValuesPanel* values = window()->colorValues();
        QCOMPARE(values->page(), 1);
        auto* menu = window()->findChild<QMenu*>(QStringLiteral("ValuesPM"));
        QVERIFY(menu);
        for (int page : {3, 2, 1, 3}) {
            auto* action = menu->findChild<QAction*>(QStringLiteral("valuesPage%1Action").arg(page));
            QVERIFY(action);
            action->trigger();
            QCOMPARE(values->page(), page);
            QCOMPARE(child("ClrVal2PNL")->isVisible(), page == 2);
            QCOMPARE(child("ClrVal3PNL")->isVisible(), page == 3);
        }
        // Page 3 shows the main colour in OKLCH and the three lines.
        const OkLch lch = ColorToOkLch(state().mainColor);
        QCOMPARE(text("oklchLightnessEdit"), QString::number(lch.l * 100, 'f', 1));
        QCOMPARE(text("oklchChromaEdit"), QString::number(lch.c, 'f', 3));
        QCOMPARE(text("oklchHueEdit"), QString::number(lch.h, 'f', 1));
        QVERIFY(child<QLabel>("OkLabLabel")->text().startsWith(QStringLiteral("OKLab: 0.")));
        QVERIFY(child<QLabel>("CieLabLabel")->text().startsWith(QStringLiteral("Lab: ")));
        QVERIFY(child<QLabel>("CieLchLabel")->text().startsWith(QStringLiteral("LCH: ")));
    }

    void oklchEditsApplyGamutMappedOnEnter_data()
    {
        QTest::addColumn<QString>("lightness");
        QTest::addColumn<QString>("chroma");
        QTest::addColumn<QString>("hue");
        QTest::addColumn<TColor>("expected");
        QTest::newRow("in gamut")
            << "62.8" << "0.1" << "140" << GamutMapToColor(OkLch{0.628, 0.1, 140});
        QTest::newRow("chroma beyond sRGB mapped")
            << "50" << "0.37" << "30" << GamutMapToColor(OkLch{0.5, 0.37, 30});
        QTest::newRow("lightness clamped to white") << "150" << "0.1" << "200" << MakeColor(255, 255, 255);
        QTest::newRow("hue past a turn wraps")
            << "70" << "0.12" << "400" << GamutMapToColor(OkLch{0.7, 0.12, 40});
    }
    void oklchEditsApplyGamutMappedOnEnter()
    {
        QFETCH(QString, lightness);
        QFETCH(QString, chroma);
        QFETCH(QString, hue);
        QFETCH(TColor, expected);
        window()->colorValues()->showPage(3);
        typeInto("oklchLightnessEdit", lightness);
        typeInto("oklchChromaEdit", chroma);
        typeInto("oklchHueEdit", hue);
        press("oklchHueEdit", Qt::Key_Return);
        QCOMPARE(state().mainColor, expected);
        QCOMPARE(historySteps(), 1);
        QCOMPARE(history()->log().colorAt(0), expected);
        verifyConsistent(state().rgb());
        // The edits show the colour taken, not the one typed.
        QCOMPARE(text("oklchChromaEdit"), QString::number(ColorToOkLch(expected).c, 'f', 3));
    }

    void oklchEditWithoutANumberReportsAndChangesNothing()
    {
        window()->colorValues()->showPage(3);
        const TColor before = state().mainColor;
        typeInto("oklchChromaEdit", QStringLiteral("lots"));
        press("oklchChromaEdit", Qt::Key_Return);
        QCOMPARE(state().mainColor, before);
        QCOMPARE(historySteps(), 0);
        QCOMPARE(fake_.dialogs.calls.size(), 1);
        QVERIFY(fake_.dialogs.calls.first().text.contains(QStringLiteral("'lots'")));
    }

    void oklchSlidersChangeTheColourAndRecordOnce()
    {
        window()->colorValues()->showPage(3);
        auto* lightness = child<controls::OklchComponentPicker>("OklchLBar");
        auto* hue = child<controls::OklchComponentPicker>("OklchHBar");
        const OkLch start = lightness->oklch();
        lightness->setFocus();
        QTRY_COMPARE(window()->colorValues()->draggedSlider(), lightness);
        for (int i = 0; i < 50; ++i)
            QTest::keyClick(lightness, Qt::Key_Left);
        const TColor expected = GamutMapToColor(OkLch{start.l - 0.05, start.c, start.h});
        QCOMPARE(state().mainColor, expected);
        QCOMPARE(historySteps(), 0);
        verifyConsistent(state().rgb());
        // The other sliders follow the colour taken; their strips are drawn
        // in OKLCH, gamut-mapped.
        QCOMPARE(hue->selectedColor(), expected);
        const QImage strip = hue->gradientStrip();
        const OkLch held = hue->oklch();
        QCOMPARE(strip.width(), 3601);
        for (int step : {0, 1200, 2400, 3600})
            QCOMPARE(TColor(FromQRgb(strip.pixel(step, 0))), GamutMapToColor(OkLch{held.l, held.c, step / 10.0}));

        child("oklchHueEdit")->setFocus();
        QTRY_VERIFY(window()->colorValues()->draggedSlider() == nullptr);
        QCOMPARE(historySteps(), 1);
        QCOMPARE(history()->log().colorAt(0), expected);
    }

    void hslSlidersKeepTheValuesTheUserSet()
    {
        const auto slide = [this](const char* name, int value) {
            auto* slider = child<TrackBarPicker>(name);
            slider->setFocus();
            QTRY_COMPARE(window()->colorValues()->draggedSlider(), slider);
            slider->setValue(value);
        };
        slide("HBar1", 0);
        slide("SBar1", 255);  // 240..255 all give saturation 100
        slide("LBar1", 120);
        QCOMPARE(state().rgb(), (RgbTriple{255, 0, 0}));
        QCOMPARE(text("hhhedit"), QStringLiteral("0"));
        QCOMPARE(text("sssedit"), QStringLiteral("100"));
        QCOMPARE(text("llledit"), QStringLiteral("50"));
        QCOMPARE(child<TrackBarPicker>("LBar1")->value(), 120);
        child("redEdit")->setFocus();
        QTRY_COMPARE(historySteps(), 3);
    }

    void rightClickOnHarmonySwatchSetsItsColour()
    {
        auto* swatch = child<Swatch>("Shape18");  // the complement
        const TColor complement = swatch->color();
        QTest::mouseClick(swatch, Qt::RightButton);
        QCOMPARE(state().mainColor, complement);
        QCOMPARE(historySteps(), 1);
        // The wheel does not take right clicks.
        QTest::mouseClick(child("Shape5"), Qt::RightButton);
        QCOMPARE(state().mainColor, complement);
    }

    void everySwatchIsADragSourceOfItsGroup()
    {
        using colorlist::DragSource;
        QCOMPARE(child<Swatch>("shape1")->dragSource(), DragSource::MainSwatch);
        const auto groupOf = [](int shape) {
            return shape <= 13 ? DragSource::WheelSwatch
                 : shape <= 32 ? DragSource::HarmonySwatch
                               : DragSource::VariationSwatch;
        };
        for (int shape = 2; shape <= 42; ++shape) {
            const QByteArray name = "Shape" + QByteArray::number(shape);
            QCOMPARE(child<Swatch>(name.constData())->dragSource(), groupOf(shape));
        }
    }

    void swatchDroppedOnTheMainSwatchBecomesTheMainColour_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::newRow("wheel +180") << QByteArray("Shape8");
        QTest::newRow("complement") << QByteArray("Shape18");
        QTest::newRow("last square") << QByteArray("Shape32");
        QTest::newRow("first quick variation") << QByteArray("Shape33");
    }
    void swatchDroppedOnTheMainSwatchBecomesTheMainColour()
    {
        QFETCH(QByteArray, source);
        const TColor color = child<Swatch>(source.constData())->color();
        dropSwatchOnMainSwatch(source.constData());
        verifyConsistent(ToRgb(color));
        QCOMPARE(historySteps(), 1);
        QCOMPARE(history()->log().colorAt(0), color);
    }

    // Another program's colour drag carries application/x-color (a GTK
    // colour button) or only the text "#RRGGBB" (a text editor).
    void colourFromAnotherProgramBecomesTheMainColour_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("payload");
        // Four 16-bit channels in the machine's byte order: red, green, blue, alpha.
        const auto wire = [](quint16 r, quint16 g, quint16 b) {
            const quint16 channels[4] = {r, g, b, 0xFFFF};
            return QByteArray(reinterpret_cast<const char*>(channels), sizeof channels);
        };
        QTest::newRow("desktop colour") << QByteArray("application/x-color") << wire(0xABAB, 0xCDCD, 0xE1E1);
        QTest::newRow("colour text") << QByteArray("text/plain") << QByteArray("#ABCDE1");
    }
    void colourFromAnotherProgramBecomesTheMainColour()
    {
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, payload);
        QMimeData mime;
        mime.setData(QString::fromLatin1(type), payload);
        auto* target = child("shape1");
        QDragEnterEvent enter(QPoint(30, 30), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(30, 30), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        verifyConsistent({0xAB, 0xCD, 0xE1});
        QCOMPARE(historySteps(), 1);
        QCOMPARE(history()->log().colorAt(0), MakeColor(0xAB, 0xCD, 0xE1));
    }

    void mainSwatchDroppedOnItselfChangesNothing()
    {
        dropSwatchOnMainSwatch("shape1");
        verifyConsistent({127, 212, 110});
        QCOMPARE(historySteps(), 0);
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
        mainColor().set(start);
        child<QMenu>("ValuesPM")->findChild<QAction*>(QString::fromLatin1(action))->trigger();
        QCOMPARE(state().mainColor, expected);
        QCOMPARE(historySteps(), 1);
        verifyConsistent(ToRgb(expected));
    }

    void lightenFiveTimesReachesWhiteAndStays()
    {
        mainColor().set(MakeColor(51, 102, 153));
        QList<int> lightness;
        for (int i = 0; i < 6; ++i) {
            window()->commands().Lighten(kAdjustStep);
            lightness << state().lightness;
        }
        QCOMPARE(lightness, (QList<int>{53, 66, 79, 92, 100, 100}));
        QCOMPARE(state().mainColor, MakeColor(255, 255, 255));
    }

    void setColorToOffersTheEightColours()
    {
        auto* menu = child<QMenu>("setColorToMenu");
        QCOMPARE(menu->actions().size(), 8);
        menu->actions().at(6)->trigger();  // "&Magenta"
        QCOMPARE(menu->actions().at(6)->text(), QStringLiteral("&Magenta"));
        QCOMPARE(state().mainColor, MakeColor(255, 0, 255));
        QCOMPARE(historySteps(), 1);
    }

    void colorDialogTakesItsColourOnlyOnOk()
    {
        fake_.dialogs.colors = {MakeColor(1, 2, 3), std::nullopt};
        window()->commands().ColorDialog();
        QCOMPARE(state().mainColor, MakeColor(1, 2, 3));
        QCOMPARE(fake_.dialogs.calls.last().color, MakeColor(127, 212, 110));
        window()->commands().ColorDialog();
        QCOMPARE(state().mainColor, MakeColor(1, 2, 3));
        QCOMPARE(historySteps(), 1);
    }

    void pasteTakesEveryColourFoundInOrder()
    {
        fake_.clipboard.content = QStringLiteral("color: #112233; background: #445566\r\n");
        press("redEdit", Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(historySteps(), 2);
        QCOMPARE(history()->log().steps(), (QStringList{QStringLiteral("17,34,51 - #112233"),
                                                       QStringLiteral("68,85,102 - #445566")}));
        verifyConsistent({68, 85, 102});
        fake_.clipboard.content = QStringLiteral("no colour here\r\n");
        QTest::mouseClick(child("pasteButton"), Qt::LeftButton);
        QCOMPARE(historySteps(), 2);
    }

    void undoAndRedoWalkTheHistoryFromKeysAndToolbar()
    {
        for (TColor c : {MakeColor(10, 0, 0), MakeColor(20, 0, 0), MakeColor(30, 0, 0)})
            window()->commands().SetColorTo(c);
        press("redEdit", Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(state().mainColor, MakeColor(20, 0, 0));
        QTest::mousePress(child("undoButton"), Qt::LeftButton);
        QCOMPARE(state().mainColor, MakeColor(10, 0, 0));
        press("redEdit", Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(state().mainColor, MakeColor(20, 0, 0));
        QTest::mousePress(child("redoButton"), Qt::LeftButton);
        QCOMPARE(state().mainColor, MakeColor(30, 0, 0));
        QCOMPARE(historySteps(), 3);
        QVERIFY(history()->isVisible());
        verifyConsistent({30, 0, 0});
    }

    // The window sees its keys before the focused edit: Ctrl+A, Ctrl+C,
    // Ctrl+X, Ctrl+Z and Ctrl+Y are the program's commands, not the edit's
    // select-all, copy, cut, undo and redo.
    void ctrlKeysInAnEditAreTheWindowsCommands_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("command");
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << int(controls::Command::AddMainColor);
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(controls::Command::CopyHtmlHex);
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(controls::Command::ExportMenu);
        QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << int(controls::Command::Undo);
        QTest::newRow("Ctrl+Y") << int(Qt::Key_Y) << int(controls::Command::Redo);
    }
    void ctrlKeysInAnEditAreTheWindowsCommands()
    {
        QFETCH(int, key);
        QFETCH(int, command);
        QList<int> ran;
        for (const controls::Command c : {controls::Command::AddMainColor, controls::Command::CopyHtmlHex,
                                          controls::Command::ExportMenu, controls::Command::Undo,
                                          controls::Command::Redo})
            session_->commands().set(c, [&ran, c] { ran << int(c); });
        for (const char* edit : {"greenEdit", "htmlEdit"}) {
            ran.clear();
            auto* line = child<QLineEdit>(edit);
            line->setFocus();
            line->setText(QStringLiteral("12"));
            line->deselect();
            QTest::keyClick(line, Qt::Key(key), Qt::ControlModifier);
            QCOMPARE(ran, QList<int>{command});
            QCOMPARE(line->text(), QStringLiteral("12"));
            QVERIFY(!line->hasSelectedText());
        }
    }

    void ctrlWMakesWebsafe()
    {
        mainColor().set(MakeColor(130, 20, 250));
        press("htmlEdit", Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(state().mainColor, MakeColor(153, 0, 255));
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
        mainColor().set(MakeColor(0, 51, 102));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(child(widget.constData()), &enter);
        QCOMPARE(window()->hintText(), hint);
        // Over the bare window the hint line empties.
        QMouseEvent move(QEvent::MouseMove, QPointF(250, 400), window()->mapToGlobal(QPointF(250, 400)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window(), &move);
        QCOMPARE(window()->hintText(), QString());
    }

    void colourNameComesFromTheListReadAtStartUp()
    {
        QFile names(dataFolder() + QStringLiteral("colors.txt"));
        QVERIFY(names.open(QIODevice::WriteOnly));
        names.write("#ff0000=Red\r\n");
        names.close();
        startSession();
        mainColor().set(MakeColor(255, 0, 0));
        QVERIFY(child("clrnamed")->isVisible());
        QCOMPARE(child<QLabel>("clrnamed")->text(), QStringLiteral("Red"));
        mainColor().set(MakeColor(255, 0, 1));
        QVERIFY(!child("clrnamed")->isVisible());
        // Read once: a list removed while the program runs still names colours.
        QFile::remove(dataFolder() + QStringLiteral("colors.txt"));
        mainColor().set(MakeColor(255, 0, 0));
        QCOMPARE(child<QLabel>("clrnamed")->text(), QStringLiteral("Red"));
    }

    // Each widget reports its hint once, and swatches of other windows never
    // reach the main window's hint line.
    void onlyTheMainWindowsOwnWidgetsDriveItsHintLine()
    {
        window()->ShowHint(QString());
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(child("Shape20"), &enter);
        const QString swatchHint = window()->hintText();
        QVERIFY(swatchHint.startsWith(hints::kDerivedSwatch));

        controls::Swatch elsewhere(controls::Swatch::Shape::Square);
        elsewhere.setColor(MakeColor(1, 2, 3));
        QApplication::sendEvent(&elsewhere, &enter);
        QCOMPARE(window()->hintText(), swatchHint);
    }

    // The sections' menus add their swatches to the end of the colour list,
    // in the swatches' order, without a history step.
    void sectionMenusAddTheirColoursToTheList_data()
    {
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<int>("count");
        QTest::newRow("wheel") << QByteArray("addColorWheelAction") << QByteArray("Shape2") << 12;
        QTest::newRow("harmonies") << QByteArray("addHarmoniesAction") << QByteArray("Shape14") << 19;
        QTest::newRow("quick variations") << QByteArray("addQuickVariationsAction") << QByteArray("Shape33") << 10;
    }
    void sectionMenusAddTheirColoursToTheList()
    {
        QFETCH(QByteArray, action);
        QFETCH(QByteArray, first);
        QFETCH(int, count);
        mainColor().set(MakeColor(0, 51, 102));
        const int steps = historySteps();
        const QStringList before = window()->colorList().model().list().entries();
        child<QAction>(action.constData())->trigger();
        const QStringList after = window()->colorList().model().list().entries();
        QCOMPARE(after.size(), before.size() + count);
        QCOMPARE(after.at(before.size()), QString::fromStdString(HashHexText(child<Swatch>(first.constData())->color())));
        QCOMPARE(historySteps(), steps);
    }

    void rightClickOnTheMainSwatchOpensTheWheelMenu()
    {
        QTest::mouseClick(child("shape1"), Qt::RightButton, {}, QPoint(30, 30));
        auto* menu = child<QMenu>("WheelPM");
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
        QCOMPARE(state().mainColor, MakeColor(127, 212, 110));
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
        QVERIFY(window()->isRolledUp());
        QCOMPARE(window()->height(), MainWindow::kRolledUpHeight);
        QTest::mouseDClick(child("titleBar"), Qt::LeftButton, {}, QPoint(100, 8));
        QVERIFY(!window()->isRolledUp());
        QCOMPARE(window()->height(), MainWindow::kClientHeight);
    }

    void titleBarDragStartsAMoveAndMenuOffersStayOnTop()
    {
        fake_.windows.calls.clear();
        QWidget* bar = child("titleBar");
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(100, 8));
        // A press alone is no move yet: a double click must still arrive.
        QVERIFY(fake_.windows.calls.isEmpty());
        const QPoint away(100 + QApplication::startDragDistance(), 8);
        QMouseEvent drag(QEvent::MouseMove, away, bar->mapToGlobal(away), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &drag);
        QVERIFY(!fake_.windows.calls.isEmpty());
        QCOMPARE(fake_.windows.calls.first().what, QStringLiteral("startMove"));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, away);

        press("redEdit", Qt::Key_T, Qt::ControlModifier);
        QVERIFY(window()->isStayOnTop());
        press("redEdit", Qt::Key_T, Qt::ControlModifier);
        QVERIFY(!window()->isStayOnTop());
        QCOMPARE(child<QLabel>("titleLabel")->text(), QStringLiteral("KT Tessaro 1.5.3"));
    }

    void listShowsItsStatusOnTheHintLineAndTakesDroppedListFiles()
    {
        startSession();
        QDir(dir_.path()).mkpath(QStringLiteral("CLLs"));
        const QString list = dir_.path() + QStringLiteral("/CLLs/Dropped.CLL");
        QFile file(list);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#FF8000\r\n#000000\r\n");
        file.close();

        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(dir_.path() + QStringLiteral("/a.bmp")), QUrl::fromLocalFile(list)});
        QDragEnterEvent enter(QPoint(20, 30), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(20, 30), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window(), &drop);
        QCOMPARE(window()->colorList().model().list().entries(), QStringList({"#FF8000", "#000000"}));

        QWidget* viewport = window()->colorListPanel()->view()->viewport();
        QTest::mouseMove(viewport, QPoint(20, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(20, 12), viewport->mapToGlobal(QPointF(20, 12)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &move);
        QVERIFY(window()->hintText().endsWith(QStringLiteral("details. ( Loaded ") + list +
                                              QStringLiteral(". There are 2 colors in the list.  )")));
    }

    void listHintFollowsTheCountWhileItIsShown()
    {
        startSession();
        colorlist::ColorListCommands& list = window()->colorList();
        list.AddMainColor();
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(window()->colorListPanel()->view()->viewport(), &enter);
        QVERIFY(window()->hintText().endsWith(QStringLiteral(" There is only one color in the list.  )")));

        // Colours added while the pointer rests on the list (Add All, a drop).
        const TColor more[] = {MakeColor(255, 128, 0), MakeColor(0, 128, 255)};
        list.AddColors(more, colorlist::Placement::AtEnd, false);
        QVERIFY(window()->hintText().endsWith(QStringLiteral(" There are 3 colors in the list.  )")));
        fake_.dialogs.answers.push_back(platform::Answer::Yes);
        QVERIFY(list.DeleteRows({0, 1}));
        QVERIFY(window()->hintText().endsWith(QStringLiteral(" There is only one color in the list.  )")));

        // Another widget's hint stays when the list changes.
        QApplication::sendEvent(child("titleBar"), &enter);
        list.AddColors(more, colorlist::Placement::AtEnd, false);
        QCOMPARE(window()->hintText(), hints::kTitleBar);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
