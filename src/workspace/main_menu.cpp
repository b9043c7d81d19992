#include "workspace/main_menu.h"

#include <QMenu>

#include <array>

namespace tessaro::workspace {

namespace {

using controls::Command;

constexpr std::array kEntries = {
    MainMenuEntry{"&Eye Dropper...", "eyeDropperAction", Command::EyeDropper},
    MainMenuEntry{"&Copy Center...", "copyCenterAction", Command::CopyCenter},
    MainMenuEntry{"&Test Color...", "testColorAction", Command::TestColor},
    MainMenuEntry{"&Web Preview...", "webPreviewAction", Command::WebPreview},
    MainMenuEntry{"&Import Colors...", "importColorsAction", Command::ImportColors},
    MainMenuEntry{"&Color Mixer...", "colorMixerAction", Command::ColorMixer},
    MainMenuEntry{"&Variations...", "variationsAction", Command::Variations},
    MainMenuEntry{"&Scales...", "scalesAction", Command::Scales},
    MainMenuEntry{nullptr, nullptr, Command::Count},
    MainMenuEntry{"St&ay on Top", "stayOnTopAction", Command::StayOnTop},
    MainMenuEntry{"Toggle Super &Minimize", "superMinimizeAction", Command::SuperMinimize},
    MainMenuEntry{nullptr, nullptr, Command::Count},
    MainMenuEntry{"&Help...", "helpAction", Command::Help},
    MainMenuEntry{"A&bout...", "aboutAction", Command::About},
};

} // namespace

std::span<const MainMenuEntry> MainMenuEntries()
{
    return kEntries;
}

QMenu* BuildMainMenu(QWidget* parent, const controls::CommandHandlers& commands)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("MainPM"));
    for (const MainMenuEntry& entry : kEntries) {
        if (!entry.caption) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromLatin1(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setCheckable(entry.command == Command::StayOnTop);
        const Command command = entry.command;
        QObject::connect(action, &QAction::triggered, menu, [&commands, command] { commands.run(command); });
    }
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, &commands] {
        const QList<QAction*> actions = menu->actions();
        int i = 0;
        for (QAction* action : actions) {
            if (kEntries[i].caption)
                action->setEnabled(commands.has(kEntries[i].command));
            ++i;
        }
    });
    return menu;
}

} // namespace tessaro::workspace
