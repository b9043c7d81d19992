#include "workspace/wheel_section.h"

#include "controls/swatch.h"
#include "state/main_color.h"
#include "workspace/wheel_style.h"

#include <algorithm>

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

void WheelSection::ApplyStyle(const WheelStyle& style)
{
    const QPoint origin = kGeometry.topLeft();
    const QRect body(0, kTitleHeight, kGeometry.width(), kGeometry.height() - kTitleHeight);
    for (int n = 1; n <= WheelStyle::kSwatches; ++n) {
        const WheelSwatchStyle& s = style.swatches[n - 1];
        controls::Swatch* target = swatch(n);
        const QRect now = target->geometry().translated(origin);
        const int width = std::clamp(s.width.value_or(now.width()), 1, body.width());
        const int height = std::clamp(s.height.value_or(now.height()), 1, body.height());
        const auto place = [](std::optional<int> value, int now, int origin, int low, int high) {
            return int(std::clamp<long long>((long long)value.value_or(now) - origin, low, high));
        };
        const int left = place(s.left, now.left(), origin.x(), body.left(), body.right() + 1 - width);
        const int top = place(s.top, now.top(), origin.y(), body.top(), body.bottom() + 1 - height);
        target->setGeometry(left, top, width, height);
        if (s.shape)
            target->setShape(*s.shape == WheelSwatchShape::Circle ? controls::Swatch::Shape::Circle
                                                                   : controls::Swatch::Shape::Square);
    }
}

void WheelSection::showColors()
{
    const MainColorState& s = mainColor_.state();
    mainSwatch_->setColor(s.mainColor);
    for (int k = 0; k < 12; ++k)
        wheel_[k]->setColor(s.palette.wheel[k]);
}

} // namespace tessaro::workspace
