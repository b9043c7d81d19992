#include "state/settings_store.h"

#include "engine/named_color.h"
#include "platform/text_files.h"

namespace tessaro::workspace {

namespace {

const QString kProgram = QStringLiteral("tessaro");

} // namespace

QString SettingsStore::GetSetting(const QString& name) const
{
    const auto value = text_.Get(name.toStdString());
    return value ? QString::fromStdString(*value) : QString();
}

void SettingsStore::SetSetting(const QString& name, const QString& value)
{
    if (value.isEmpty())
        text_.Remove(name.toStdString());
    else
        text_.Set(name.toStdString(), value.toStdString());
}

QStringList SettingsStore::lines() const
{
    QStringList lines;
    for (const std::string& line : text_.Lines())
        lines.append(QString::fromStdString(line));
    return lines;
}

SettingsStore SettingsStore::DefaultSettings()
{
    SettingsStore s;
    for (const SettingRow& row : SettingsTable())
        if (row.firstRunValue)
            s.SetSetting(row.setting, QString::fromLatin1(row.firstRunValue));
    return s;
}

SettingsStore SettingsStore::LoadSettings(const QString& path)
{
    const std::optional<QString> text = platform::ReadTextFile(path);
    if (!text)
        return DefaultSettings();
    SettingsStore s;
    s.text_ = KeyValueText::Parse(text->toStdString());
    if (s.GetSetting(Setting::Program) != kProgram)
        return DefaultSettings();
    return s;
}

bool SettingsStore::SaveSettings(const QString& path) const
{
    return platform::WriteTextLines(path, lines());
}

SettingsStore SettingsStore::ExitSettings(const SettingsStore& atStart, const LiveSettings& live, WindowPlaces places)
{
    SettingsStore s;
    s.SetSetting(Setting::Program, kProgram);
    s.SetSetting(Setting::Version, QStringLiteral(TESSARO_FILE_VERSION));
    s.SetSetting(Setting::FirstRun, QStringLiteral("0"));
    for (const SettingRow& row : SettingsTable()) {
        if (IsHeaderSetting(row.setting))
            continue;
        const auto reported = live.constFind(row.setting);
        const bool taken = reported != live.constEnd() &&
                           !(places == WindowPlaces::Unknown && IsWindowPlaceSetting(row.setting));
        s.SetSetting(row.setting, taken ? *reported : atStart.GetSetting(row.setting));
    }
    return s;
}

int SettingsStore::ReadInt(Setting setting, int fallback) const
{
    return TryReadInteger(GetSetting(setting).toStdString()).value_or(fallback);
}

bool SettingsStore::ReadFlagDefaultOn(Setting setting) const
{
    return GetSetting(setting) != QStringLiteral("0");
}

} // namespace tessaro::workspace
