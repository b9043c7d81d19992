#include "tools/pick_mode.h"

#include "engine/color_text.h"
#include "tools/eye_dropper_settings.h"
#include "tools/eye_dropper_window.h"

#include <QApplication>

#include <cstdio>

namespace tessaro::tools {

bool IsPickMode(const QStringList& arguments)
{
    return arguments.mid(1).contains(QStringLiteral("--pick"));
}

int RunPickMode(const platform::Platform& platform, const QString& settingsPath)
{
    EyeDropperWindow window(platform);
    ReadEyeDropperSettings(window, workspace::SettingsStore::LoadSettings(settingsPath), platform.screen->size());
    std::optional<TColor> picked;
    QObject::connect(&window, &EyeDropperWindow::picked, &window, [&picked, &window](TColor color) {
        // The first pick ends the mode, also a right click or F3.
        if (!picked)
            picked = color;
        window.Close();
    });
    QObject::connect(&window, &EyeDropperWindow::closed, qApp, [&picked] {
        if (!picked) {
            QApplication::exit(1);
            return;
        }
        QApplication::exit(0);
    }, Qt::QueuedConnection);
    window.Open();
    const int status = QApplication::exec();
    if (status == 0 && picked) {
        const QString text = QString::fromStdString(HashHexText(*picked));
        platform.clipboard->setTextBeyondExit(text);
        std::printf("%s\n", qPrintable(text));
        std::fflush(stdout);
    }
    return status;
}

} // namespace tessaro::tools
