#include "workspace/editing_commands.h"

#include "engine/paste_colors.h"
#include "engine/color_text.h"
#include "engine/conversion_error.h"
#include "state/main_color.h"

#include <QMenu>
#include <QWidget>

namespace tessaro::workspace {

EditingCommands::EditingCommands(const platform::Platform& platform, MainColor& mainColor, QWidget* dialogParent)
    : QObject(dialogParent), platform_(platform), mainColor_(mainColor), dialogParent_(dialogParent)
{
}

void EditingCommands::RandomColor()
{
    mainColor_.setAndRecord(tessaro::RandomColor());
}

void EditingCommands::InvertColor()
{
    mainColor_.setAndRecord(tessaro::InvertColor(mainColor_.current()));
}

void EditingCommands::Lighten(int step)
{
    mainColor_.setAndRecord(MakeColor(AdjustLightness(mainColor_.state().rgb(), step)));
}

void EditingCommands::Saturate(int step)
{
    mainColor_.setAndRecord(MakeColor(AdjustSaturation(mainColor_.state().rgb(), step)));
}

void EditingCommands::MakeWebsafe()
{
    mainColor_.setAndRecord(MakeColor(SnapToWebsafe(mainColor_.state().rgb())));
}

void EditingCommands::ColorDialog()
{
    if (const std::optional<TColor> chosen = platform_.dialogs->chooseColor(dialogParent_, mainColor_.current()))
        mainColor_.setAndRecord(*chosen);
}

void EditingCommands::SetColorTo(TColor color)
{
    mainColor_.setAndRecord(color);
}

void EditingCommands::Paste()
{
    const QString text = platform_.clipboard->text();
    const std::u16string_view view(reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size()));
    for (TColor color : PastedColors(view)) {
        if (pastedColorSink_)
            pastedColorSink_(color);
        mainColor_.setAndRecord(color);
    }
}

void EditingCommands::ApplyHexField(const QString& text)
{
    TColor color;
    try {
        color = HexFieldToColor(text.toUpper().toStdString());
    } catch (const ConversionError& error) {
        ShowConversionError(QString::fromStdString(error.what()));
        return;
    }
    mainColor_.setAndRecord(color);
}

void EditingCommands::ShowConversionError(const QString& message)
{
    platform_.dialogs->error(dialogParent_, QStringLiteral("KT Tessaro"), message);
}

void EditingCommands::BuildValuesMenu(QMenu* menu, std::function<void(int)> showPage)
{
    menu->setObjectName(QStringLiteral("ValuesPM"));
    const auto add = [this, menu](const QString& caption, const char* name, auto slot) {
        QAction* action = menu->addAction(caption, this, slot);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    add(QStringLiteral("&Random Color"), "randomColorAction", &EditingCommands::RandomColor);
    add(QStringLiteral("&Invert Color"), "invertColorAction", &EditingCommands::InvertColor);
    menu->addSeparator();
    add(QStringLiteral("&Lighten Color"), "lightenAction", [this] { Lighten(kAdjustStep); });
    add(QStringLiteral("&Darken Color"), "darkenAction", [this] { Lighten(-kAdjustStep); });
    add(QStringLiteral("&Saturate Color"), "saturateAction", [this] { Saturate(kAdjustStep); });
    add(QStringLiteral("D&esaturate Color"), "desaturateAction", [this] { Saturate(-kAdjustStep); });
    menu->addSeparator();
    add(QStringLiteral("Make &Websafe"), "makeWebsafeAction", &EditingCommands::MakeWebsafe);
    QMenu* setTo = menu->addMenu(QStringLiteral("Se&t Color to"));
    setTo->setObjectName(QStringLiteral("setColorToMenu"));
    const std::pair<const char*, TColor> colors[] = {
        {"&White", MakeColor(255, 255, 255)}, {"&Black", MakeColor(0, 0, 0)},     {"&Red", MakeColor(255, 0, 0)},
        {"&Green", MakeColor(0, 255, 0)},     {"B&lue", MakeColor(0, 0, 255)},    {"&Cyan", MakeColor(0, 255, 255)},
        {"&Magenta", MakeColor(255, 0, 255)}, {"&Yellow", MakeColor(255, 255, 0)},
    };
    for (const auto& [caption, color] : colors)
        setTo->addAction(QString::fromLatin1(caption), this, [this, color = color] { SetColorTo(color); });
    add(QStringLiteral("Windows &Color Dialog..."), "colorDialogAction", &EditingCommands::ColorDialog);
    menu->addSeparator();
    add(QStringLiteral("Color Values Page 1"), "valuesPage1Action", [showPage] { showPage(1); });
    add(QStringLiteral("Color Values Page 2"), "valuesPage2Action", [showPage] { showPage(2); });
    add(QStringLiteral("Color Values Page 3 (OKLCH)"), "valuesPage3Action", [showPage] { showPage(3); });
}

} // namespace tessaro::workspace
