#include "export/quick_copy_commands.h"

#include "engine/conversion_error.h"
#include "export/drawing.h"
#include "export/drawing_image.h"
#include "state/main_color.h"

#include <QMenu>

namespace tessaro::exporting {

namespace {

struct NotationItem {
    CopyNotation notation;
    const char* caption;
    const char* name;
};

// The menu's captions (two blanks before "Hex" in the fourth).
constexpr NotationItem kNotationItems[] = {
    {CopyNotation::Rgb, "&RGB", "copyRgbAction"},
    {CopyNotation::Hsl, "H&SL", "copyHslAction"},
    {CopyNotation::HtmlHex, "&HTML Style Hex", "copyHtmlHexAction"},
    {CopyNotation::HtmlHashHex, "H&TML Style  Hex (with #)", "copyHtmlHashHexAction"},
    {CopyNotation::DelphiHex, "&Delphi Hex", "copyDelphiHexAction"},
    {CopyNotation::VbHex, "V&B Hex", "copyVbHexAction"},
    {CopyNotation::CppHex, "V&C++ Hex", "copyCppHexAction"},
    {CopyNotation::ActionScriptHex, "&ActionScript Hex", "copyActionScriptHexAction"},
};

// The CSS Color 4 notations, after the eight; no accelerators, all being
// taken or clashing.
struct CssItem {
    CssNotation notation;
    const char* caption;
    const char* name;
};
constexpr CssItem kCssItems[] = {
    {CssNotation::Rgb, "CSS rgb()", "copyCssRgbAction"},
    {CssNotation::Hsl, "CSS hsl()", "copyCssHslAction"},
    {CssNotation::OkLch, "CSS oklch()", "copyCssOkLchAction"},
    {CssNotation::OkLab, "CSS oklab()", "copyCssOkLabAction"},
    {CssNotation::Lab, "CSS lab()", "copyCssLabAction"},
    {CssNotation::Lch, "CSS lch()", "copyCssLchAction"},
    {CssNotation::DisplayP3, "CSS color(display-p3)", "copyCssDisplayP3Action"},
};

template <std::size_t N>
std::vector<TColor> Colors(const std::array<TColor, N>& colors)
{
    return {colors.begin(), colors.end()};
}

} // namespace

QuickCopyCommands::QuickCopyCommands(const platform::Platform& platform, CopySources sources, QWidget* dialogParent,
                                     QObject* parent)
    : QObject(parent), platform_(platform), sources_(std::move(sources)), dialogParent_(dialogParent)
{
}

void QuickCopyCommands::CopyText(CopyNotation notation)
{
    CopyMadeText([&] { return QuickCopyText(notation, sources_.mainFields(), sources_.selectedEntries()); });
}

void QuickCopyCommands::CopyText(CssNotation notation)
{
    CopyMadeText([&] { return QuickCopyText(notation, sources_.mainFields(), sources_.selectedEntries()); });
}

void QuickCopyCommands::CopyMadeText(const std::function<std::string()>& make)
{
    std::string text;
    try {
        text = make();
    } catch (const ConversionError& error) {
        platform_.dialogs->error(dialogParent_, QStringLiteral("KT Tessaro"), QString::fromStdString(error.what()));
        return;
    }
    platform_.clipboard->setText(QString::fromStdString(text));
}

void QuickCopyCommands::CopyMainColorBitmap()
{
    platform_.clipboard->setImage(DrawingImage(MainColorDrawing(sources_.mainColor->current())));
}

void QuickCopyCommands::CopyWheelBitmap()
{
    platform_.clipboard->setImage(DrawingImage(SwatchRowDrawing(Colors(sources_.mainColor->state().palette.wheel))));
}

void QuickCopyCommands::CopyVariationsBitmap()
{
    platform_.clipboard->setImage(
        DrawingImage(SwatchRowDrawing(Colors(sources_.mainColor->state().palette.quickVariations))));
}

void QuickCopyCommands::CopyHarmoniesBitmap()
{
    platform_.clipboard->setImage(DrawingImage(HarmoniesDrawing(sources_.mainColor->state().palette)));
}

void QuickCopyCommands::BuildMenu(QMenu* menu, std::function<void()> more)
{
    menu->setObjectName(QStringLiteral("CopyPM"));
    for (const NotationItem& item : kNotationItems) {
        const CopyNotation notation = item.notation;
        menu->addAction(QString::fromLatin1(item.caption), this, [this, notation] { CopyText(notation); })
            ->setObjectName(QString::fromLatin1(item.name));
    }
    for (const CssItem& item : kCssItems) {
        const CssNotation notation = item.notation;
        menu->addAction(QString::fromLatin1(item.caption), this, [this, notation] { CopyText(notation); })
            ->setObjectName(QString::fromLatin1(item.name));
    }
    const std::pair<const char*, void (QuickCopyCommands::*)()> bitmaps[] = {
        {"&Main Color as Bitmap", &QuickCopyCommands::CopyMainColorBitmap},
        {"Color &Wheel as Bitmap", &QuickCopyCommands::CopyWheelBitmap},
        {"&Quick Variations as Bitmap", &QuickCopyCommands::CopyVariationsBitmap},
        {"Harm&onies as Bitmap", &QuickCopyCommands::CopyHarmoniesBitmap},
    };
    for (const auto& [caption, slot] : bitmaps)
        menu->addAction(QString::fromLatin1(caption), this, slot);
    menu->addSeparator();
    menu->addAction(QStringLiteral("M&ore..."), this, std::move(more))->setObjectName(QStringLiteral("copyMoreAction"));
}

} // namespace tessaro::exporting
