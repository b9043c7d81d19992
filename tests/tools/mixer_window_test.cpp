// The Color Mixer: creation from the settings, amounts and their marks,
// drops on the slots, the all-zero message and the settings written back.
#include "colorlist/color_mime.h"
#include "controls/swatch.h"
#include "support/fake_platform.h"
#include "tools/mixer_window.h"
#include "state/settings_store.h"

#include <QLabel>
#include <QMimeData>
#include <QScrollBar>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::tools;
using workspace::Setting;

class MixerWindowTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;

    QStringList notices() const { return fake_.dialogs.textsOf(QStringLiteral("notify")); }
    QStringList errors() const { return fake_.dialogs.textsOf(QStringLiteral("error")); }
    static void drop(QWidget* target, TColor color, colorlist::DragSource source)
    {
        QMimeData mime;
        colorlist::PopulateColorMime(mime, color, source);
        const QPoint at(5, 5);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent dropEvent(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &dropEvent);
    }

private slots:
    void init() { fake_.dialogs.calls.clear(); }

    void firstRunSettingsMix()
    {
        MixerWindow mixer(fake_.platform());
        mixer.ReadSettings(workspace::SettingsStore::DefaultSettings());
        QCOMPARE(mixer.mixedColor(), MakeColor(148, 161, 161));
        QCOMPARE(mixer.slotColor(2), MakeColor(255, 0, 255));
        QCOMPARE(mixer.amountLabel(0)->text(), QStringLiteral("50"));
        QVERIFY(mixer.excludedMark(2)->isVisibleTo(&mixer));
        QVERIFY(!mixer.excludedMark(0)->isVisibleTo(&mixer));
        QCOMPARE(mixer.tipText(), QString());
        QVERIFY(notices().isEmpty());
        QCOMPARE(mixer.amountBar(0)->pageStep(), 5);

        workspace::LiveSettings live;
        mixer.WriteSettings(live);
        QCOMPARE(live.value(Setting::MixerAmount3), QStringLiteral("0"));
        QCOMPARE(live.value(Setting::MixerColor1), QStringLiteral("$006ED47F"));
        QCOMPARE(live.value(Setting::MixerColor3), QStringLiteral("clFuchsia"));
    }

    void storedValues_data()
    {
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QList<int>>("read");
        QTest::addColumn<int>("zeroMessages");
        QTest::addColumn<QStringList>("amountErrors");
        QTest::newRow("missing amounts are 50")
            << QStringList{"", "", "", ""} << QList<int>{50, 50, 50, 50} << 0 << QStringList{};
        // A refused amount is said at creation and counts as missing.
        QTest::newRow("out of range and not numbers are refused")
            << QStringList{"250", "-3", "x", "100"} << QList<int>{50, 50, 50, 100} << 0
            << QStringList{"'250' is not an amount from 0 to 100 (mixer.a1)",
                           "'-3' is not an amount from 0 to 100 (mixer.a2)", "'x' is not a valid integer value"};
        QTest::newRow("all zero says so at creation")
            << QStringList{"0", "0", "0", "0"} << QList<int>{0, 0, 0, 0} << 1 << QStringList{};
    }
    void storedValues()
    {
        QFETCH(QStringList, amounts);
        QFETCH(QList<int>, read);
        QFETCH(int, zeroMessages);
        QFETCH(QStringList, amountErrors);
        workspace::SettingsStore settings;
        const Setting keys[] = {Setting::MixerAmount1, Setting::MixerAmount2, Setting::MixerAmount3,
                                Setting::MixerAmount4};
        for (int i = 0; i < 4; ++i)
            settings.SetSetting(keys[i], amounts.at(i));
        settings.SetSetting(Setting::MixerColor2, QStringLiteral("nonsense"));
        MixerWindow mixer(fake_.platform());
        mixer.ReadSettings(settings);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(mixer.amount(i), read.at(i));
        QCOMPARE(mixer.slotColor(1), MakeColor(255, 255, 255));
        QCOMPARE(notices().size(), zeroMessages);
        QCOMPARE(errors(), amountErrors + QStringList{"'nonsense' is not a valid integer value"});

        // The program checks the stored values at start-up without the
        // window, and says the same.
        fake_.dialogs.calls.clear();
        MixerWindow::ReportStoredSettings(settings, fake_.dialogs, nullptr);
        QCOMPARE(errors(), amountErrors + QStringList{"'nonsense' is not a valid integer value"});
    }

    // The tip line names what lies under the pointer: a real mouse move
    // over a slot reaches the window too, and must not put the window's tip
    // back.
    void tipsFollowThePointer()
    {
        MixerWindow mixer(fake_.platform());
        mixer.ReadSettings(workspace::SettingsStore::DefaultSettings());
        mixer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mixer));
        const auto centreOf = [&mixer](QWidget* w) { return w->mapTo(&mixer, w->rect().center()); };
        struct Place {
            QPoint at;
            QString tip;
        };
        const Place places[] = {
            {centreOf(mixer.slotSwatch(2)), QStringLiteral("You can drag and drop colors here.")},
            {centreOf(mixer.mixedSwatch()),
             QStringLiteral("This is the resulting color. Drag and drop over the color list to add.")},
            {QPoint(4, 140), QStringLiteral("To exclude a color, make its amount zero.")},
            {centreOf(mixer.slotSwatch(0)), QStringLiteral("You can drag and drop colors here.")},
            {QPoint(470, 120), QStringLiteral("To exclude a color, make its amount zero.")},
        };
        for (const Place& place : places) {
            QTest::mouseMove(mixer.windowHandle(), place.at);
            QTRY_COMPARE(mixer.tipText(), place.tip);
        }
    }

    // The amounts are reached by keyboard: a bar takes the focus and the
    // slider keys move the amount.
    void amountsByKeyboard()
    {
        MixerWindow mixer(fake_.platform());
        mixer.ReadSettings(workspace::SettingsStore::DefaultSettings());
        QScrollBar* bar = mixer.amountBar(0);
        QVERIFY(bar->focusPolicy() & Qt::ClickFocus);
        QVERIFY(bar->focusPolicy() & Qt::TabFocus);
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(mixer.amount(0), 51);
        QTest::keyClick(bar, Qt::Key_PageUp);
        QCOMPARE(mixer.amount(0), 56);
        QTest::keyClick(bar, Qt::Key_Home);
        QCOMPARE(mixer.amount(0), 0);
        QVERIFY(mixer.excludedMark(0)->isVisibleTo(&mixer));
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(mixer.amountLabel(0)->text(), QStringLiteral("100"));
    }

    void amountsAndDrops()
    {
        MixerWindow mixer(fake_.platform());
        mixer.ReadSettings(workspace::SettingsStore::DefaultSettings());
        mixer.setAmount(1, 0);
        QCOMPARE(mixer.mixedColor(), MakeColor(127, 212, 110));
        QVERIFY(mixer.excludedMark(1)->isVisibleTo(&mixer));
        mixer.amountBar(1)->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(mixer.amount(1), 5);
        QVERIFY(!mixer.excludedMark(1)->isVisibleTo(&mixer));

        drop(mixer.slotSwatch(0), MakeColor(0, 0, 0), colorlist::DragSource::ImportList);
        QCOMPARE(mixer.slotColor(0), MakeColor(0, 0, 0));
        // 0 + 5 * 171 div 55 = 15, 5 * 110 div 55 = 10, 5 * 212 div 55 = 19.
        QCOMPARE(mixer.mixedColor(), MakeColor(15, 10, 19));
        // A colour dragged in from another program fills the slot too.
        drop(mixer.slotSwatch(0), MakeColor(9, 9, 9), colorlist::DragSource::Unknown);
        QCOMPARE(mixer.slotColor(0), MakeColor(9, 9, 9));
        drop(mixer.slotSwatch(0), MakeColor(0, 0, 0), colorlist::DragSource::ImportList);

        mixer.setAmount(0, 0);
        mixer.setAmount(1, 0);
        QCOMPARE(notices(), QStringList{QStringLiteral("All color amounts are set to zero!")});
        // The last mix, of slot 2 alone, stays.
        QCOMPARE(mixer.mixedColor(), MakeColor(171, 110, 212));
    }
};

QTEST_MAIN(MixerWindowTest)
#include "mixer_window_test.moc"
