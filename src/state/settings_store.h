// The settings file set.set: key=value lines, read once at start-up and
// written once at shutdown. Its keys, their first-run values and their order
// come from the settings table.
#pragma once

#include "engine/keyvalue_text.h"
#include "state/settings_table.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace tessaro::workspace {

// The values the live windows report at shutdown, by setting.
using LiveSettings = QMap<Setting, QString>;

class SettingsStore {
public:
    // A missing key reads as the empty string; keys ignore letter case.
    QString GetSetting(const QString& name) const;
    QString GetSetting(Setting setting) const { return GetSetting(KeyOf(setting)); }
    // Replaces the value in place or appends a line; an empty value removes
    // the key's line.
    void SetSetting(const QString& name, const QString& value);
    void SetSetting(Setting setting, const QString& value) { SetSetting(KeyOf(setting), value); }
    QStringList lines() const;

    // A stored integer by the program's integer rule; `fallback` when the
    // key is missing or not a number.
    int ReadInt(Setting setting, int fallback) const;
    // A flag that is on unless its value is exactly "0".
    bool ReadFlagDefaultOn(Setting setting) const;
    bool isFirstRun() const { return GetSetting(Setting::FirstRun) != QStringLiteral("0"); }

    // The built-in first-run settings.
    static SettingsStore DefaultSettings();
    // The file's settings; the defaults when the file is missing, unreadable
    // or written by another program (`program` is not "tessaro").
    static SettingsStore LoadSettings(const QString& path);
    // Writes the store; false when the file could not be written (the
    // previous file then stays as it was).
    bool SaveSettings(const QString& path) const;

    // The store written at shutdown: "program", "version" and "firstrun=0",
    // then every key in the file's order, each from `live` when the window
    // that owns it reported a value, otherwise as read at start-up. Where the
    // windows' places are unknown (WindowPlaces::Unknown) the place keys
    // keep their start-up values whatever the windows report.
    enum class WindowPlaces { Known, Unknown };
    static SettingsStore ExitSettings(const SettingsStore& atStart, const LiveSettings& live,
                                      WindowPlaces places = WindowPlaces::Known);

private:
    KeyValueText text_;
};

} // namespace tessaro::workspace
