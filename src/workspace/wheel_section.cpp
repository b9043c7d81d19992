#include "workspace/wheel_section.h"

#include "controls/swatch.h"
#include "workspace/main_color.h"

namespace tessaro::workspace {

namespace {

// Wheel places in the main window, step 0 (the main colour's hue) at the top.
constexpr QPoint kWheelPlaces[12] = {{88, 108}, {116, 113}, {136, 134}, {141, 161}, {136, 189}, {115, 210},
                                     {87, 215}, {59, 210},  {39, 189},  {34, 161},  {39, 134},  {60, 113}};
constexpr QPoint kMainSwatchPlace{71, 144};

} // namespace

WheelSection::WheelSection(MainColor& mainColor, QWidget* parent)
    : SectionFrame(QStringLiteral("wheelTitle"), QStringLiteral("Main Color & Color Wheel"), kGeometry, parent),
      mainColor_(mainColor),
      mainSwatch_(new controls::Swatch(controls::Swatch::Shape::Circle, this))
{
    const QPoint origin = kGeometry.topLeft();
    mainSwatch_->setObjectName(QStringLiteral("shape1"));
    mainSwatch_->setGeometry(QRect(kMainSwatchPlace - origin, QSize(60, 60)));
    mainSwatch_->setDragSource(colorlist::DragSource::MainSwatch);
    // A colour dropped here from a source it takes becomes the main colour,
    // recorded.
    mainSwatch_->setDropTarget(colorlist::DropTarget::MainSwatch);
    connect(mainSwatch_, &controls::Swatch::colorDropped, &mainColor_, &MainColor::setAndRecord);
    for (int k = 0; k < 12; ++k) {
        wheel_[k] = AddDerivedSwatch(this, QStringLiteral("Shape%1").arg(2 + k),
                                     QRect(kWheelPlaces[k] - origin, QSize(25, 25)), colorlist::DragSource::WheelSwatch);
        wheel_[k]->setShape(controls::Swatch::Shape::Circle);
    }
    connect(&mainColor_, &MainColor::changed, this, &WheelSection::showColors);
    showColors();
}

void WheelSection::showColors()
{
    const MainColorState& s = mainColor_.state();
    mainSwatch_->setColor(s.mainColor);
    for (int k = 0; k < 12; ++k)
        wheel_[k]->setColor(s.palette.wheel[k]);
}

} // namespace tessaro::workspace
