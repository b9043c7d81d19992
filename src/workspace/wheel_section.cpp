#include "workspace/wheel_section.h"

#include "controls/swatch.h"
#include "workspace/main_color.h"

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

void WheelSection::showColors()
{
    const MainColorState& s = mainColor_.state();
    mainSwatch_->setColor(s.mainColor);
    for (int k = 0; k < 12; ++k)
        wheel_[k]->setColor(s.palette.wheel[k]);
}

void WheelSection::ApplyStyle(const WheelStyle& style)
{
    QWidget* client = parentWidget();
    if (!client)
        return;
    std::array<controls::Swatch*, kWheelStyleSwatches> swatches{};
    swatches[0] = mainSwatch_;
    std::copy(wheel_.begin(), wheel_.end(), swatches.begin() + 1);
    // Plain numbers: a style's values may be anything an integer holds.
    struct Place {
        int left, top, width, height;
    };
    std::array<Place, kWheelStyleSwatches> places;
    std::array<bool, kWheelStyleSwatches> touched{};
    for (int i = 0; i < kWheelStyleSwatches; ++i) {
        const QPoint at = swatches[i]->mapTo(client, QPoint(0, 0));
        places[i] = {at.x(), at.y(), swatches[i]->width(), swatches[i]->height()};
    }
    for (const WheelStyleChange& change : style.changes) {
        Place& r = places[change.swatch];
        touched[change.swatch] = true;
        switch (change.property) {
        case SwatchProperty::Left: r.left = change.value; break;
        case SwatchProperty::Top: r.top = change.value; break;
        case SwatchProperty::Height: r.height = change.value; break;
        case SwatchProperty::Width: r.width = change.value; break;
        case SwatchProperty::Type:
            if (change.value == 1)
                swatches[change.swatch]->setShape(controls::Swatch::Shape::Square);
            else if (change.value == 2)
                swatches[change.swatch]->setShape(controls::Swatch::Shape::Circle);
            break;
        }
    }
    // Never smaller than a few pixels nor larger than the client area, and
    // wholly inside it.
    constexpr int kSmallest = 5;
    const QSize area = client->size();
    for (int i = 0; i < kWheelStyleSwatches; ++i) {
        if (!touched[i])
            continue;
        const Place& r = places[i];
        const int w = std::clamp(r.width, kSmallest, std::max(kSmallest, area.width()));
        const int h = std::clamp(r.height, kSmallest, std::max(kSmallest, area.height()));
        const int left = std::clamp(r.left, 0, std::max(0, area.width() - w));
        const int top = std::clamp(r.top, 0, std::max(0, area.height() - h));
        controls::Swatch* swatch = swatches[i];
        if (swatch->parentWidget() != client) {
            swatch->setParent(client);
            swatch->show();
        }
        swatch->setGeometry(left, top, w, h);
        swatch->raise();
    }
}

} // namespace tessaro::workspace
