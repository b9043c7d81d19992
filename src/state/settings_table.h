// Every key of the settings file in one table: its name, the value a first
// run starts with, and its place in the file (the table's order).
#pragma once

#include <QString>

#include <span>

namespace tessaro::workspace {

// The settings, in the order their lines are written.
enum class Setting {
    Program,
    Version,
    FirstRun,
    MainLeft,
    MainTop,
    LastList,
    ListType,
    AllowDuplicates,
    EyeTop,
    EyeLeft,
    Zoom,
    Sampling,
    LastEyeColor,
    ShowGrid,
    VariationsLeft,
    VariationsTop,
    LastWheelStyle,
    SnapToGrid,
    SnapSize,
    ShowText,
    CopyPreview,
    CopyLeft,
    CopyTop,
    LastWebLayout,
    HistoryAutoFade,
    TestLeft,
    TestTop,
    WebLeft,
    WebTop,
    ImportAllowDuplicates,
    MixerAmount1,
    MixerAmount2,
    MixerAmount3,
    MixerAmount4,
    MixerColor1,
    MixerColor2,
    MixerColor3,
    MixerColor4,
    ScalesBackground,
    ScalesMetric,
};

struct SettingRow {
    Setting setting;
    const char* key;
    // The first-run value; null when a first run writes no line for it.
    const char* firstRunValue;
};

// Every row, in the file's order.
std::span<const SettingRow> SettingsTable();
const SettingRow& RowOf(Setting setting);
// The key as written in the file ("1.left", "EyeTop").
QString KeyOf(Setting setting);

// The settings that the program writes itself at shutdown, before every
// window's own keys.
constexpr bool IsHeaderSetting(Setting s)
{
    return s == Setting::Program || s == Setting::Version || s == Setting::FirstRun;
}

// The windows' places on the screen.
constexpr bool IsWindowPlaceSetting(Setting s)
{
    switch (s) {
    case Setting::MainLeft: case Setting::MainTop:
    case Setting::EyeLeft: case Setting::EyeTop:
    case Setting::VariationsLeft: case Setting::VariationsTop:
    case Setting::CopyLeft: case Setting::CopyTop:
    case Setting::TestLeft: case Setting::TestTop:
    case Setting::WebLeft: case Setting::WebTop:
        return true;
    default:
        return false;
    }
}

} // namespace tessaro::workspace
