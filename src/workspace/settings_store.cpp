#include "workspace/settings_store.h"

#include "engine/conversion_error.h"
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

const QStringList& SettingsStore::KeyOrder()
{
    static const QStringList order = {
        QStringLiteral("1.left"),        QStringLiteral("1.top"),       QStringLiteral("lastcll"),
        QStringLiteral("listtype"),      QStringLiteral("allowdup"),    QStringLiteral("EyeTop"),
        QStringLiteral("EyeLeft"),       QStringLiteral("zoom"),        QStringLiteral("sampling"),
        QStringLiteral("LastEyeCol"),    QStringLiteral("ShowGrid"),    QStringLiteral("var.left"),
        QStringLiteral("var.top"),       QStringLiteral("lastwhl"),     QStringLiteral("snaptogrid"),
        QStringLiteral("snapsize"),      QStringLiteral("showtext"),    QStringLiteral("copy.prew"),
        QStringLiteral("copy.left"),     QStringLiteral("copy.top"),    QStringLiteral("lastweb"),
        QStringLiteral("hist.autofade"), QStringLiteral("shp.left"),    QStringLiteral("shp.top"),
        QStringLiteral("web.left"),      QStringLiteral("web.top"),     QStringLiteral("importallowdup"),
        QStringLiteral("mixer.a1"),      QStringLiteral("mixer.a2"),    QStringLiteral("mixer.a3"),
        QStringLiteral("mixer.a4"),      QStringLiteral("mixer.c1"),    QStringLiteral("mixer.c2"),
        QStringLiteral("mixer.c3"),      QStringLiteral("mixer.c4"),
    };
    return order;
}

SettingsStore SettingsStore::DefaultSettings()
{
    SettingsStore s;
    const std::pair<const char*, const char*> defaults[] = {
        {"program", "tessaro"},      {"version", TESSARO_FILE_VERSION},
        {"firstrun", "1"},           {"listtype", "1"},
        {"allowdup", "1"},           {"sampling", "0"},
        {"snaptogrid", "0"},         {"snapsize", "1"},
        {"showtext", "1"},           {"copy.prew", "0"},
        {"hist.autofade", "1"},      {"importallowdup", "0"},
        {"mixer.a1", "50"},          {"mixer.a2", "50"},
        {"mixer.a3", "0"},           {"mixer.a4", "0"},
        {"mixer.c1", "$006ED47F"},   {"mixer.c2", "$00D46EAB"},
        {"mixer.c3", "clFuchsia"},   {"mixer.c4", "clBlue"},
    };
    for (const auto& [key, value] : defaults)
        s.SetSetting(QString::fromLatin1(key), QString::fromLatin1(value));
    return s;
}

SettingsStore SettingsStore::LoadSettings(const QString& path)
{
    const std::optional<QString> text = platform::ReadTextFile(path);
    if (!text)
        return DefaultSettings();
    SettingsStore s;
    s.text_ = KeyValueText::Parse(text->toStdString());
    if (s.GetSetting(QStringLiteral("program")) != kProgram)
        return DefaultSettings();
    return s;
}

bool SettingsStore::SaveSettings(const QString& path) const
{
    return platform::WriteTextLines(path, lines());
}

SettingsStore SettingsStore::ExitSettings(const SettingsStore& atStart, const QMap<QString, QString>& live)
{
    SettingsStore s;
    s.SetSetting(QStringLiteral("program"), kProgram);
    s.SetSetting(QStringLiteral("version"), QStringLiteral(TESSARO_FILE_VERSION));
    s.SetSetting(QStringLiteral("firstrun"), QStringLiteral("0"));
    for (const QString& key : KeyOrder())
        s.SetSetting(key, live.contains(key) ? live.value(key) : atStart.GetSetting(key));
    return s;
}

int ReadIntSetting(const SettingsStore& settings, const QString& name, int fallback)
{
    const QString value = settings.GetSetting(name);
    if (value.isEmpty())
        return fallback;
    try {
        return ReadInteger(value.toStdString());
    } catch (const ConversionError&) {
        return fallback;
    }
}

bool ReadFlagDefaultOn(const SettingsStore& settings, const QString& name)
{
    return settings.GetSetting(name) != QStringLiteral("0");
}

} // namespace tessaro::workspace
