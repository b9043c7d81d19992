// The program's keyboard shortcuts in one table, and the one way a window
// takes them: each key becomes a QAction on the window that runs the key's
// command, and the window sees its keys before its controls do (Ctrl+Z in a
// line edit is the program's undo, not the edit's), unless the window's
// boxes hold free text: there the editing keys belong to the focused box.
#pragma once

#include <QKeyCombination>

#include <array>
#include <functional>
#include <span>

class QWidget;

namespace tessaro::controls {

enum class Command {
    EyeDropper,
    CopyCenter,
    TestColor,
    WebPreview,
    ColorMixer,
    ExportMenu,
    ReopenWindow,
    SuperMinimize,
    CopyHtmlHex,
    AddMainColor,
    SaveList,
    OpenList,
    NewList,
    MakeWebsafe,
    StayOnTop,
    Undo,
    Redo,
    Paste,
    ImportColors,
    LoadWheelStyle,
    Variations,
    QuickPalette,
    QuickCopyMenu,
    Help,
    About,
    Scales,
    Count
};

struct ShortcutRow {
    QKeyCombination key;
    Command command;
};

// Every key of the program and the command it runs.
std::span<const ShortcutRow> ShortcutTable();
// The command of a key, if the table has it.
const ShortcutRow* FindShortcut(QKeyCombination key);

// The keys of the main window: the whole table.
std::span<const QKeyCombination> MainWindowKeys();
// The keys of the windows beside the main window (History, Reopen): the
// function keys F1, F5, F7, F8, F12 and Ctrl with A, C, N, O, R, S, T, W,
// X, Y, Z.
std::span<const QKeyCombination> SideWindowKeys();

// The windows that take the program's keys, each with its own set.
enum class KeyWindow {
    Main,        // the whole table
    History,     // F1, F5, F7, F8, F12, Ctrl with A, C, N, O, R, S, T, W, X, Y, Z
    Reopen,      // the same set
    CopyCenter,  // F1, F7, F8, F12 and every Ctrl key (F5 closes it)
    TestColor,   // F1, F5, F7 (which hides it), F8, F12 and every Ctrl key
    Tool,        // every function key and Ctrl key of the main window
};
std::span<const QKeyCombination> KeysOf(KeyWindow window);

// What each command does; set by the windows that own the commands, looked
// up when a key is pressed, so a key can be installed before its window
// exists.
class CommandHandlers {
public:
    void set(Command command, std::function<void()> handler);
    bool has(Command command) const;
    // Runs the command; false when nothing handles it yet.
    bool run(Command command) const;

private:
    std::array<std::function<void()>, std::size_t(Command::Count)> handlers_;
};

// Who gets the editing keys (Ctrl+A, Ctrl+C, Ctrl+X, Ctrl+Z, Ctrl+Y) typed
// in a focused text box: the window's commands (boxes holding values, such
// as the main window's), or the box itself (boxes holding free text, such as
// the layout editor's), which selects, copies, cuts, undoes and redoes as
// every text box does; a key the box does not use still runs the command.
enum class EditingKeys { Window, TextBox };

// Whether Ctrl+A, Ctrl+C, Ctrl+X, Ctrl+Z or Ctrl+Y.
bool IsEditingKey(QKeyCombination key);
// Whether `widget` is a box the user types text into: a line edit, a text
// edit, a spin box or an editable combo box (or a part of one).
bool IsTextBox(const QWidget* widget);

// Gives `window` the keys: each runs its command through `handlers`, which
// must outlive the window. A key whose command has a handler reaches the
// window before the focused control can claim it, except the editing keys
// in a text box when `editing` gives them to the box.
void InstallShortcuts(QWidget* window, std::span<const QKeyCombination> keys, const CommandHandlers& handlers,
                      EditingKeys editing = EditingKeys::Window);

} // namespace tessaro::controls
