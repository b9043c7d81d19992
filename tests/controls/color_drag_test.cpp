// Colour drags from and onto swatches: the drag's picture and data, what a
// drop target lets in and which drops it takes.
#include "colorlist/color_mime.h"
#include "controls/color_drag.h"
#include "controls/swatch.h"

#include <QDrag>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace tessaro;
using namespace tessaro::controls;
using colorlist::DragSource;
using colorlist::DropTarget;

Q_DECLARE_METATYPE(tessaro::colorlist::DragSource)

namespace {

constexpr TColor kOrange = MakeColor(255, 128, 0);

std::unique_ptr<QMimeData> ColorMime(TColor color, DragSource source)
{
    auto mime = std::make_unique<QMimeData>();
    colorlist::PopulateColorMime(*mime, color, source);
    return mime;
}

// Sends a drag entering the widget and returns whether it was accepted.
bool EnterWith(QWidget& widget, const QMimeData& mime)
{
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &enter);
    return enter.isAccepted();
}

// Sends a drag entering the widget and its drop, as a real drag does;
// returns whether the drop was accepted.
bool DropOn(QWidget& widget, const QMimeData& mime)
{
    EnterWith(widget, mime);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    drop.setAccepted(false);
    QCoreApplication::sendEvent(&widget, &drop);
    return drop.isAccepted();
}

std::unique_ptr<Swatch> MainSwatch()
{
    auto swatch = std::make_unique<Swatch>(Swatch::Shape::Circle);
    swatch->setDropTarget(DropTarget::MainSwatch);
    return swatch;
}

} // namespace

class ColorDragTest : public QObject {
    Q_OBJECT

private slots:
    void dragCarriesTheColourItsKindAndASwatchPicture()
    {
        QObject owner;
        QDrag* drag = CreateColorDrag(&owner, kOrange, DragSource::HarmonySwatch);
        QCOMPARE(drag->parent(), &owner);
        QCOMPARE(colorlist::DecodeColorMime(*drag->mimeData()),
                 (colorlist::DraggedColor{kOrange, DragSource::HarmonySwatch}));
        // Inside the program application/x-color is a QColor, as in Qt's own
        // colour drags; other programs read it from there or from the text.
        QCOMPARE(qvariant_cast<QColor>(drag->mimeData()->colorData()), QColor(255, 128, 0));
        QCOMPARE(drag->mimeData()->text(), QStringLiteral("#FF8000"));

        const QImage picture = drag->pixmap().toImage();
        QCOMPARE(picture.size(), QSize(kDragPictureSide, kDragPictureSide));
        QCOMPARE(QColor(picture.pixel(kDragPictureSide / 2, kDragPictureSide / 2)), QColor(255, 128, 0));
        QCOMPARE(QColor(picture.pixel(0, 0)), QColor(Qt::black));
        QVERIFY(drag->hotSpot().x() < 0 && drag->hotSpot().y() < 0);
    }

    void dropTargetLetsEveryColourDragIn_data()
    {
        QTest::addColumn<DragSource>("source");
        QTest::newRow("wheel swatch") << DragSource::WheelSwatch;
        QTest::newRow("itself") << DragSource::MainSwatch;
        QTest::newRow("import list") << DragSource::ImportList;
        QTest::newRow("another program") << DragSource::Unknown;
    }
    void dropTargetLetsEveryColourDragIn()
    {
        QFETCH(DragSource, source);
        auto swatch = MainSwatch();
        QVERIFY(EnterWith(*swatch, *ColorMime(kOrange, source)));
    }

    void dragsWithoutAColourAndSwatchesThatAreNoTargetLetNothingIn()
    {
        auto swatch = MainSwatch();
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.cll"))});
        QVERIFY(!EnterWith(*swatch, files));
        QMimeData words;
        words.setText(QStringLiteral("orange"));
        QVERIFY(!EnterWith(*swatch, words));

        Swatch plain(Swatch::Shape::Square);
        QVERIFY(!plain.acceptDrops());
        QSignalSpy dropped(&plain, &Swatch::colorDropped);
        DropOn(plain, *ColorMime(kOrange, DragSource::WheelSwatch));
        QCOMPARE(dropped.count(), 0);
    }

    void dropIsTakenOnlyFromSourcesTheTableLists_data()
    {
        QTest::addColumn<DragSource>("source");
        QTest::addColumn<bool>("taken");
        QTest::newRow("wheel swatch") << DragSource::WheelSwatch << true;
        QTest::newRow("harmony swatch") << DragSource::HarmonySwatch << true;
        QTest::newRow("quick variation") << DragSource::VariationSwatch << true;
        QTest::newRow("colour list") << DragSource::ColorList << true;
        QTest::newRow("mixer") << DragSource::MixerSwatch << true;
        QTest::newRow("itself") << DragSource::MainSwatch << false;
        QTest::newRow("test area background") << DragSource::TestBackground << false;
        QTest::newRow("import list") << DragSource::ImportList << false;
        QTest::newRow("another program") << DragSource::Unknown << true;
    }
    void dropIsTakenOnlyFromSourcesTheTableLists()
    {
        QFETCH(DragSource, source);
        QFETCH(bool, taken);
        auto swatch = MainSwatch();
        QSignalSpy dropped(swatch.get(), &Swatch::colorDropped);
        // The drop itself is accepted either way: the drag ends here.
        QVERIFY(DropOn(*swatch, *ColorMime(kOrange, source)));
        QCOMPARE(dropped.count(), taken ? 1 : 0);
        if (taken) {
            QCOMPARE(dropped.first().at(0).value<TColor>(), kOrange);
            QCOMPARE(dropped.first().at(1).value<DragSource>(), source);
        }
        // Dropping changes nothing by itself: the owner of the signal decides.
        QCOMPARE(swatch->color(), TColor(0xFFFFFF));
    }

    void colourFromAnotherProgramIsTaken()
    {
        auto swatch = MainSwatch();
        QSignalSpy dropped(swatch.get(), &Swatch::colorDropped);
        QMimeData desktop;
        desktop.setColorData(QColor(255, 128, 0));
        QVERIFY(EnterWith(*swatch, desktop));
        QVERIFY(DropOn(*swatch, desktop));
        QMimeData text;
        text.setText(QStringLiteral("#ABCDE1"));
        QVERIFY(DropOn(*swatch, text));
        QCOMPARE(dropped.count(), 2);
        QCOMPARE(dropped.at(0).at(0).value<TColor>(), kOrange);
        QCOMPARE(dropped.at(1).at(0).value<TColor>(), MakeColor(0xAB, 0xCD, 0xE1));
        QCOMPARE(dropped.at(1).at(1).value<DragSource>(), DragSource::Unknown);
    }
};

QTEST_MAIN(ColorDragTest)
#include "color_drag_test.moc"
