#include "workspace/harmony_section.h"

#include "controls/swatch.h"
#include "controls/text_look.h"
#include "state/main_color.h"

#include <QLabel>

#include <span>

namespace tessaro::workspace {

namespace {

struct HarmonyRow {
    const char* caption;
    int top;  // of the swatches, in the main window
    int count;
};
constexpr HarmonyRow kHarmonyRows[] = {
    {"Analogous", 98, 3}, {"Complements", 136, 2}, {"Split Complements", 174, 3},
    {"Triad", 212, 3},    {"Tetrad", 250, 4},      {"Square", 288, 4},
};

// A right click on the swatch makes its colour the main colour, recorded.
void SetsMainColorOnRightClick(controls::Swatch* swatch, MainColor& mainColor)
{
    QObject::connect(swatch, &controls::Swatch::rightReleased, swatch,
                     [swatch, &mainColor] { mainColor.setAndRecord(swatch->color()); });
}

} // namespace

HarmonySection::HarmonySection(MainColor& mainColor, QWidget* parent)
    : SectionFrame(QStringLiteral("harmonyTitle"), QStringLiteral("Harmonious Colors"), kGeometry, parent),
      mainColor_(mainColor)
{
    const QPoint origin = kGeometry.topLeft();
    int shape = 14;
    for (const HarmonyRow& row : kHarmonyRows) {
        auto* caption = new QLabel(QString::fromLatin1(row.caption), this);
        caption->setGeometry(QRect(QPoint(212, row.top - 14) - origin, QSize(106, 13)));
        controls::SetTextLook(caption, {QColor(0x3A, 0x46, 0x56), 10});
        caption->setAttribute(Qt::WA_TransparentForMouseEvents);
        for (int i = 0; i < row.count; ++i) {
            controls::Swatch* swatch = AddDerivedSwatch(this, QStringLiteral("Shape%1").arg(shape++),
                                                        QRect(QPoint(212 + 22 * i, row.top) - origin, QSize(20, 20)),
                                                        colorlist::DragSource::HarmonySwatch);
            SetsMainColorOnRightClick(swatch, mainColor_);
            swatches_.push_back(swatch);
        }
    }
    connect(&mainColor_, &MainColor::changed, this, &HarmonySection::showColors);
    showColors();
}

void HarmonySection::showColors()
{
    const DerivedPalette& p = mainColor_.state().palette;
    const std::span<const TColor> sets[] = {p.analogous, p.complements, p.splitComplements,
                                            p.triad,     p.tetrad,      p.square};
    std::size_t i = 0;
    for (const auto set : sets)
        for (TColor color : set)
            swatches_[i++]->setColor(color);
}

QuickVariationsSection::QuickVariationsSection(MainColor& mainColor, QWidget* parent)
    : SectionFrame(QStringLiteral("variationsTitle"), QStringLiteral("Quick Variations"), kGeometry, parent),
      mainColor_(mainColor)
{
    const QPoint origin = kGeometry.topLeft();
    for (int i = 0; i < 10; ++i) {
        const QPoint place(212 + 22 * (i % 5), i < 5 ? 335 : 357);
        swatches_[i] = AddDerivedSwatch(this, QStringLiteral("Shape%1").arg(33 + i), QRect(place - origin, QSize(20, 20)),
                                        colorlist::DragSource::VariationSwatch);
        SetsMainColorOnRightClick(swatches_[i], mainColor_);
    }
    connect(&mainColor_, &MainColor::changed, this, &QuickVariationsSection::showColors);
    showColors();
}

void QuickVariationsSection::showColors()
{
    const DerivedPalette& p = mainColor_.state().palette;
    for (int k = 0; k < 10; ++k)
        swatches_[k]->setColor(p.quickVariations[k]);
}

} // namespace tessaro::workspace
