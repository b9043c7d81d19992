#include "tools/eye_dropper_settings.h"

#include "engine/named_color.h"
#include "tools/eye_dropper_window.h"

namespace tessaro::tools {

using workspace::Setting;

namespace {

std::optional<int> StoredInt(const workspace::SettingsStore& settings, Setting setting)
{
    return TryReadInteger(settings.GetSetting(setting).toStdString());
}

} // namespace

void ReadEyeDropperSettings(EyeDropperWindow& window, const workspace::SettingsStore& settings, QSize screen)
{
    const QPoint design = EyeDropperWindow::kDesignPanelPosition;
    window.setPanelPosition({PanelCoordinate(StoredInt(settings, Setting::EyeLeft), screen.width(), design.x()),
                             PanelCoordinate(StoredInt(settings, Setting::EyeTop), screen.height(), design.y())});
    window.setZoom(settings.ReadInt(Setting::Zoom, 1));
    window.setSampling(settings.ReadInt(Setting::Sampling, 1));
    window.setShowGrid(settings.ReadFlagDefaultOn(Setting::ShowGrid));
    window.setSampledColor(StoredEyeColor(settings.GetSetting(Setting::LastEyeColor).toStdString()));
}

void WriteEyeDropperSettings(const EyeDropperWindow& window, workspace::LiveSettings& live)
{
    live.insert(Setting::EyeTop, QString::number(window.panelPosition().y()));
    live.insert(Setting::EyeLeft, QString::number(window.panelPosition().x()));
    live.insert(Setting::Zoom, QString::number(window.zoom()));
    live.insert(Setting::Sampling, QString::number(window.sampling()));
    live.insert(Setting::LastEyeColor, QString::fromStdString(ColorToNamedText(window.sampledColor())));
    live.insert(Setting::ShowGrid, window.showGrid() ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace tessaro::tools
