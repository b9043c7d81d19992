#include "controls/shortcuts.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace tessaro::controls {

namespace {

constexpr QKeyCombination Ctrl(Qt::Key key)
{
    return QKeyCombination(Qt::ControlModifier, key);
}

constexpr QKeyCombination Plain(Qt::Key key)
{
    return QKeyCombination(key);
}

constexpr std::array kShortcuts = {
    ShortcutRow{Plain(Qt::Key_F1), Command::EyeDropper},
    ShortcutRow{Plain(Qt::Key_F5), Command::CopyCenter},
    ShortcutRow{Plain(Qt::Key_F7), Command::TestColor},
    ShortcutRow{Plain(Qt::Key_F8), Command::WebPreview},
    ShortcutRow{Plain(Qt::Key_F9), Command::ColorMixer},
    ShortcutRow{Plain(Qt::Key_F10), Command::ExportMenu},
    ShortcutRow{Plain(Qt::Key_F11), Command::ReopenWindow},
    ShortcutRow{Plain(Qt::Key_F12), Command::SuperMinimize},
    ShortcutRow{Plain(Qt::Key_F6), Command::Scales},
    ShortcutRow{Ctrl(Qt::Key_C), Command::CopyHtmlHex},
    ShortcutRow{Ctrl(Qt::Key_A), Command::AddMainColor},
    ShortcutRow{Ctrl(Qt::Key_S), Command::SaveList},
    ShortcutRow{Ctrl(Qt::Key_O), Command::OpenList},
    ShortcutRow{Ctrl(Qt::Key_N), Command::NewList},
    ShortcutRow{Ctrl(Qt::Key_X), Command::ExportMenu},
    ShortcutRow{Ctrl(Qt::Key_R), Command::ReopenWindow},
    ShortcutRow{Ctrl(Qt::Key_W), Command::MakeWebsafe},
    ShortcutRow{Ctrl(Qt::Key_T), Command::StayOnTop},
    ShortcutRow{Ctrl(Qt::Key_Z), Command::Undo},
    ShortcutRow{Ctrl(Qt::Key_Y), Command::Redo},
    ShortcutRow{Ctrl(Qt::Key_P), Command::Paste},
    ShortcutRow{Ctrl(Qt::Key_I), Command::ImportColors},
};

constexpr auto kMainWindowKeys = [] {
    std::array<QKeyCombination, kShortcuts.size()> keys{};
    for (std::size_t i = 0; i < kShortcuts.size(); ++i)
        keys[i] = kShortcuts[i].key;
    return keys;
}();

constexpr std::array kSideWindowKeys = {
    Plain(Qt::Key_F1), Plain(Qt::Key_F5), Plain(Qt::Key_F7), Plain(Qt::Key_F8), Plain(Qt::Key_F12),
    Ctrl(Qt::Key_A),   Ctrl(Qt::Key_C),   Ctrl(Qt::Key_N),   Ctrl(Qt::Key_O),   Ctrl(Qt::Key_R),
    Ctrl(Qt::Key_S),   Ctrl(Qt::Key_T),   Ctrl(Qt::Key_W),   Ctrl(Qt::Key_X),   Ctrl(Qt::Key_Y),
    Ctrl(Qt::Key_Z),
};

// The table's keys, without those that `window` keeps for itself.
template <std::size_t N>
constexpr auto KeysWithout(const std::array<QKeyCombination, N>& own)
{
    std::array<QKeyCombination, kShortcuts.size()> keys{};
    std::size_t count = 0;
    for (const ShortcutRow& row : kShortcuts)
        if (std::find(own.begin(), own.end(), row.key) == own.end())
            keys[count++] = row.key;
    return std::pair{keys, count};
}

constexpr auto kCopyCenterKeys = KeysWithout(std::array{Plain(Qt::Key_F5), Plain(Qt::Key_F9), Plain(Qt::Key_F10),
                                                        Plain(Qt::Key_F11)});
// F7 runs the Test Color command there too: from the active Test Color
// window that command hides it (asking first about an edited layout).
constexpr auto kTestColorKeys = KeysWithout(std::array{Plain(Qt::Key_F9), Plain(Qt::Key_F10), Plain(Qt::Key_F11)});

// Keeps the focused control from claiming the window's keys: the shortcut
// override that a line edit accepts for Ctrl+Z, Ctrl+A, ... is stopped at
// the control that has the keyboard, before the control sees it, so the
// window's action runs instead. Only the window's focused control is
// watched. When the window gives the editing keys to its text boxes, a text
// box is left to claim them as it would anywhere else.
class WindowKeysFirst : public QObject {
public:
    WindowKeysFirst(QWidget* window, std::vector<std::pair<QKeyCombination, Command>> keys,
                    const CommandHandlers& handlers, EditingKeys editing)
        : QObject(window), window_(window), keys_(std::move(keys)), handlers_(handlers), editing_(editing)
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { watch(now); });
        watch(QApplication::focusWidget());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const QKeyCombination combination = static_cast<QKeyEvent*>(event)->keyCombination();
        if (editing_ == EditingKeys::TextBox && IsEditingKey(combination)
            && IsTextBox(qobject_cast<QWidget*>(watched)))
            return false;
        const bool ours = std::any_of(keys_.begin(), keys_.end(), [&](const auto& entry) {
            return entry.first == combination && handlers_.has(entry.second);
        });
        if (!ours)
            return false;
        event->ignore();
        return true;
    }

private:
    void watch(QWidget* focused)
    {
        if (watched_)
            watched_->removeEventFilter(this);
        watched_ = focused && focused->window() == window_ ? focused : nullptr;
        if (watched_)
            watched_->installEventFilter(this);
    }

    QWidget* window_;
    QPointer<QWidget> watched_;
    std::vector<std::pair<QKeyCombination, Command>> keys_;
    const CommandHandlers& handlers_;
    EditingKeys editing_;
};

} // namespace

bool IsEditingKey(QKeyCombination key)
{
    if (key.keyboardModifiers() != Qt::ControlModifier)
        return false;
    switch (key.key()) {
    case Qt::Key_A:
    case Qt::Key_C:
    case Qt::Key_X:
    case Qt::Key_Z:
    case Qt::Key_Y: return true;
    default: return false;
    }
}

bool IsTextBox(const QWidget* widget)
{
    for (; widget && !widget->isWindow(); widget = widget->parentWidget()) {
        if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)
            || qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget))
            return true;
        if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            return combo->isEditable();
    }
    return false;
}

std::span<const ShortcutRow> ShortcutTable()
{
    return kShortcuts;
}

const ShortcutRow* FindShortcut(QKeyCombination key)
{
    const auto it = std::find_if(kShortcuts.begin(), kShortcuts.end(), [key](const ShortcutRow& row) { return row.key == key; });
    return it == kShortcuts.end() ? nullptr : &*it;
}

std::span<const QKeyCombination> MainWindowKeys()
{
    return kMainWindowKeys;
}

std::span<const QKeyCombination> SideWindowKeys()
{
    return kSideWindowKeys;
}

std::span<const QKeyCombination> KeysOf(KeyWindow window)
{
    switch (window) {
    case KeyWindow::Main:
    case KeyWindow::Tool: return kMainWindowKeys;
    case KeyWindow::History:
    case KeyWindow::Reopen: return kSideWindowKeys;
    case KeyWindow::CopyCenter: return std::span(kCopyCenterKeys.first).first(kCopyCenterKeys.second);
    case KeyWindow::TestColor: return std::span(kTestColorKeys.first).first(kTestColorKeys.second);
    }
    return {};
}

void CommandHandlers::set(Command command, std::function<void()> handler)
{
    handlers_[std::size_t(command)] = std::move(handler);
}

bool CommandHandlers::has(Command command) const
{
    return bool(handlers_[std::size_t(command)]);
}

bool CommandHandlers::run(Command command) const
{
    const auto& handler = handlers_[std::size_t(command)];
    if (!handler)
        return false;
    handler();
    return true;
}

void InstallShortcuts(QWidget* window, std::span<const QKeyCombination> keys, const CommandHandlers& handlers,
                      EditingKeys editing)
{
    std::vector<std::pair<QKeyCombination, Command>> installed;
    for (const QKeyCombination key : keys) {
        const ShortcutRow* row = FindShortcut(key);
        if (!row)
            continue;
        const Command command = row->command;
        auto* action = new QAction(window);
        action->setShortcut(QKeySequence(key));
        // The window's keys act while it is the active window, whether or
        // not one of its controls holds the keyboard: a window without a
        // control that takes the focus (Variations, the quick palette) has
        // none, and a window activated while a menu of another window was
        // open may leave the focus behind in that (now hidden) window. The
        // program's windows have no parent window, so the keys of one never
        // act in another.
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, window, [&handlers, command] { handlers.run(command); });
        window->addAction(action);
        installed.emplace_back(key, command);
    }
    new WindowKeysFirst(window, std::move(installed), handlers, editing);
}

} // namespace tessaro::controls
