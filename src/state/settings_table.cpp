#include "state/settings_table.h"

#include <array>

namespace tessaro::workspace {

namespace {

constexpr std::array kRows = {
    SettingRow{Setting::Program, "program", "tessaro"},
    SettingRow{Setting::Version, "version", TESSARO_FILE_VERSION},
    SettingRow{Setting::FirstRun, "firstrun", "1"},
    SettingRow{Setting::MainLeft, "1.left", nullptr},
    SettingRow{Setting::MainTop, "1.top", nullptr},
    SettingRow{Setting::LastList, "lastcll", nullptr},
    SettingRow{Setting::ListType, "listtype", "1"},
    SettingRow{Setting::AllowDuplicates, "allowdup", "1"},
    SettingRow{Setting::EyeTop, "EyeTop", nullptr},
    SettingRow{Setting::EyeLeft, "EyeLeft", nullptr},
    SettingRow{Setting::Zoom, "zoom", nullptr},
    SettingRow{Setting::Sampling, "sampling", "0"},
    SettingRow{Setting::LastEyeColor, "LastEyeCol", nullptr},
    SettingRow{Setting::ShowGrid, "ShowGrid", nullptr},
    SettingRow{Setting::VariationsLeft, "var.left", nullptr},
    SettingRow{Setting::VariationsTop, "var.top", nullptr},
    SettingRow{Setting::LastWheelStyle, "lastwhl", nullptr},
    SettingRow{Setting::SnapToGrid, "snaptogrid", "0"},
    SettingRow{Setting::SnapSize, "snapsize", "1"},
    SettingRow{Setting::ShowText, "showtext", "1"},
    SettingRow{Setting::CopyPreview, "copy.prew", "0"},
    SettingRow{Setting::CopyLeft, "copy.left", nullptr},
    SettingRow{Setting::CopyTop, "copy.top", nullptr},
    SettingRow{Setting::LastWebLayout, "lastweb", nullptr},
    SettingRow{Setting::HistoryAutoFade, "hist.autofade", "1"},
    SettingRow{Setting::TestLeft, "shp.left", nullptr},
    SettingRow{Setting::TestTop, "shp.top", nullptr},
    SettingRow{Setting::WebLeft, "web.left", nullptr},
    SettingRow{Setting::WebTop, "web.top", nullptr},
    SettingRow{Setting::ImportAllowDuplicates, "importallowdup", "0"},
    SettingRow{Setting::MixerAmount1, "mixer.a1", "50"},
    SettingRow{Setting::MixerAmount2, "mixer.a2", "50"},
    SettingRow{Setting::MixerAmount3, "mixer.a3", "0"},
    SettingRow{Setting::MixerAmount4, "mixer.a4", "0"},
    SettingRow{Setting::MixerColor1, "mixer.c1", "$006ED47F"},
    SettingRow{Setting::MixerColor2, "mixer.c2", "$00D46EAB"},
    SettingRow{Setting::MixerColor3, "mixer.c3", "clFuchsia"},
    SettingRow{Setting::MixerColor4, "mixer.c4", "clBlue"},
    SettingRow{Setting::ScalesBackground, "scales.bg", nullptr},
    SettingRow{Setting::ScalesMetric, "scales.metric", nullptr},
};

// RowOf indexes the table by the enum's value.
constexpr bool RowsFollowTheEnum()
{
    for (std::size_t i = 0; i < kRows.size(); ++i)
        if (std::size_t(kRows[i].setting) != i)
            return false;
    return true;
}
static_assert(RowsFollowTheEnum(), "the settings table lists every setting in the enum's order");

} // namespace

std::span<const SettingRow> SettingsTable()
{
    return kRows;
}

const SettingRow& RowOf(Setting setting)
{
    return kRows[std::size_t(setting)];
}

QString KeyOf(Setting setting)
{
    return QString::fromLatin1(RowOf(setting).key);
}

} // namespace tessaro::workspace
