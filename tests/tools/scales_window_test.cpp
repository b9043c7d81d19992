// The Scales window: the scales follow the main colour, the nearest tonal
// step is marked, unreachable contrast targets are shown as such, the
// background takes drops and is kept in the settings, every swatch is a
// drag source, "Add All" appends at the end, and copies go through the
// scale writers.
#include "colorlist/color_list_commands.h"
#include "colorlist/color_list_model.h"
#include "colorlist/color_mime.h"
#include "controls/swatch.h"
#include "engine/color_vision.h"
#include "state/main_color.h"
#include "state/settings_store.h"
#include "support/fake_platform.h"
#include "tools/scales_window.h"

#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::tools;
using workspace::Setting;

Q_DECLARE_METATYPE(tessaro::ContrastMetric)

class ScalesWindowTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;
    std::unique_ptr<workspace::MainColor> mainColor_;
    std::unique_ptr<colorlist::ColorListCommands> list_;
    std::unique_ptr<ScalesWindow> window_;

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
    std::vector<TColor> listColors() const
    {
        std::vector<TColor> colors;
        const colorlist::ColorListModel& model = list_->model();
        for (int row = 0; row < model.rowCount(); ++row)
            colors.push_back(model.index(row).data(colorlist::ColorListModel::ColorRole).value<TColor>());
        return colors;
    }

private slots:
    void init()
    {
        fake_.dialogs.calls.clear();
        fake_.clipboard.content.clear();
        mainColor_ = std::make_unique<workspace::MainColor>();
        list_ = std::make_unique<colorlist::ColorListCommands>(fake_.platform(), *mainColor_, "/opt/CLLs/default.cll",
                                                               nullptr);
        window_ = std::make_unique<ScalesWindow>(fake_.platform(), *mainColor_, *list_);
        window_->ReadSettings(workspace::SettingsStore::DefaultSettings());
    }

    void tonalScaleFollowsTheMainColor_data()
    {
        QTest::addColumn<TColor>("main");
        QTest::newRow("green") << MakeColor(127, 212, 110);
        QTest::newRow("dark blue") << MakeColor(20, 30, 90);
        QTest::newRow("near white") << MakeColor(250, 248, 240);
        QTest::newRow("grey") << MakeColor(128, 128, 128);
    }
    void tonalScaleFollowsTheMainColor()
    {
        QFETCH(TColor, main);
        mainColor_->set(main);
        const TonalScale expected = MakeTonalScale(main);
        QCOMPARE(window_->tonal().nearest, expected.nearest);
        for (int step = 0; step < ScalesWindow::kTonalSteps; ++step)
            QCOMPARE(window_->tonalSwatch(step)->color(), *expected.steps[std::size_t(step)].color);
        // The marker stands under the nearest step's swatch.
        const controls::Swatch* nearest = window_->tonalSwatch(int(expected.nearest));
        const QRect marker = window_->nearestMarker()->geometry();
        QVERIFY2(marker.left() <= nearest->geometry().center().x() && nearest->geometry().center().x() <= marker.right(),
                 qPrintable(QStringLiteral("marker at %1").arg(marker.left())));
        // The harmony follows as well.
        QCOMPARE(window_->harmonySwatch(0)->color(),
                 *MakePerceptualHarmony(main, PerceptualHarmony::Complements).front().color);
    }

    void contrastScaleMeetsItsTargets_data()
    {
        QTest::addColumn<TColor>("background");
        QTest::addColumn<ContrastMetric>("metric");
        QTest::addColumn<int>("unreachable");
        QTest::newRow("white, WCAG") << MakeColor(255, 255, 255) << ContrastMetric::Wcag << 0;
        QTest::newRow("white, APCA") << MakeColor(255, 255, 255) << ContrastMetric::Apca << 0;
        // No colour reaches 7:1 or 10:1 against a middle grey.
        QTest::newRow("grey, WCAG") << MakeColor(119, 119, 119) << ContrastMetric::Wcag << 2;
    }
    void contrastScaleMeetsItsTargets()
    {
        QFETCH(TColor, background);
        QFETCH(ContrastMetric, metric);
        QFETCH(int, unreachable);
        mainColor_->set(MakeColor(40, 90, 200));
        window_->setBackgroundColor(background);
        window_->setMetric(metric);
        window_->show();
        const std::vector<double> targets = DefaultContrastTargets(metric);
        int shownUnreachable = 0;
        for (int i = 0; i < ScalesWindow::kContrastTargets; ++i) {
            const ScaleSwatch& swatch = window_->contrast()[std::size_t(i)];
            QCOMPARE(window_->contrastSwatch(i)->isVisible(), swatch.color.has_value());
            if (!swatch.color) {
                ++shownUnreachable;
                continue;
            }
            QCOMPARE(window_->contrastSwatch(i)->color(), *swatch.color);
            QVERIFY(MeasureContrast(metric, *swatch.color, background) >= targets[std::size_t(i)]);
        }
        QCOMPARE(shownUnreachable, unreachable);
    }

    void backgroundTakesDropsAndIsKept()
    {
        drop(window_->backgroundSwatch(), MakeColor(10, 20, 30), colorlist::DragSource::ColorList);
        QCOMPARE(window_->backgroundColor(), MakeColor(10, 20, 30));
        QCOMPARE(window_->contrast().front().color,
                 ContrastTargetColor(mainColor_->current(), MakeColor(10, 20, 30), ContrastMetric::Wcag, 1.5));
        window_->setMetric(ContrastMetric::Apca);

        workspace::LiveSettings live;
        window_->WriteSettings(live);
        QCOMPARE(live.value(Setting::ScalesMetric), QStringLiteral("apca"));
        workspace::SettingsStore stored = workspace::SettingsStore::DefaultSettings();
        for (auto it = live.cbegin(); it != live.cend(); ++it)
            stored.SetSetting(it.key(), it.value());
        ScalesWindow again(fake_.platform(), *mainColor_, *list_);
        again.ReadSettings(stored);
        QCOMPARE(again.backgroundColor(), MakeColor(10, 20, 30));
        QCOMPARE(again.metric(), ContrastMetric::Apca);

        // A stored background that is no colour leaves white.
        stored.SetSetting(Setting::ScalesBackground, QStringLiteral("no colour"));
        again.ReadSettings(stored);
        QCOMPARE(again.backgroundColor(), MakeColor(255, 255, 255));
    }

    void everySwatchIsADragSource()
    {
        QList<controls::Swatch*> swatches = window_->findChildren<controls::Swatch*>();
        QCOMPARE(swatches.size(), ScalesWindow::kTonalSteps + ScalesWindow::kContrastTargets +
                                      ScalesWindow::kHarmonyMembers + 1);
        for (const controls::Swatch* swatch : swatches)
            QCOMPARE(swatch->dragSource(), std::optional(colorlist::DragSource::ScalesSwatch));
        // The colour list takes what they drag.
        QVERIFY(colorlist::Accepts(colorlist::DropTarget::ColorList, colorlist::DragSource::ScalesSwatch));
        QVERIFY(colorlist::Accepts(colorlist::DropTarget::MainSwatch, colorlist::DragSource::ScalesSwatch));
    }

    void addAllAppendsEveryShownColor()
    {
        mainColor_->set(MakeColor(200, 60, 60));
        list_->model().add(MakeColor(1, 2, 3), colorlist::Placement::AtEnd);
        window_->harmonyBox()->setCurrentIndex(3);  // triad
        QTest::mouseClick(window_->addAllButton(), Qt::LeftButton);
        std::vector<TColor> expected{MakeColor(1, 2, 3)};
        for (auto scale : {ScalesWindow::Scale::Tonal, ScalesWindow::Scale::Contrast, ScalesWindow::Scale::Harmony})
            for (const ScaleSwatch& swatch : window_->swatchesOf(scale))
                if (swatch.color)
                    expected.push_back(*swatch.color);
        QCOMPARE(window_->harmony().size(), std::size_t(3));
        QCOMPARE(listColors(), expected);
    }

    void copiesThroughTheScaleWriters_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("contains");
        QTest::newRow("css") << int(exporting::ScaleFormat::CssVariables) << "--tonal-500: #";
        QTest::newRow("scss") << int(exporting::ScaleFormat::Scss) << "$tonal-950: #";
        QTest::newRow("tailwind") << int(exporting::ScaleFormat::Tailwind) << "'tonal': {";
        QTest::newRow("json") << int(exporting::ScaleFormat::Json) << "\"name\": \"tonal-50\"";
        QTest::newRow("gpl") << int(exporting::ScaleFormat::Gpl) << "GIMP Palette";
    }
    void copiesThroughTheScaleWriters()
    {
        QFETCH(int, format);
        QFETCH(QString, contains);
        mainColor_->set(MakeColor(127, 212, 110));
        window_->CopyScale(ScalesWindow::Scale::Tonal, exporting::ScaleFormat(format));
        const std::string expected =
            exporting::ScaleText(window_->tonal().steps, exporting::ScaleFormat(format), "tonal");
        QCOMPARE(fake_.clipboard.content, QString::fromStdString(expected));
        QVERIFY2(fake_.clipboard.content.contains(contains), qPrintable(fake_.clipboard.content));
    }
};

QTEST_MAIN(ScalesWindowTest)
#include "scales_window_test.moc"
