// The main window: the layout of the title bar, toolbar, sections and hint
// line around the one main colour. The colour itself lives in MainColor;
// the editing commands, the keys and the hints have files of their own.
#pragma once

#include "controls/tool_window.h"
#include "platform/platform.h"

#include <QString>

#include <functional>
#include <vector>

class QLabel;
class QMenu;

namespace tessaro::controls {
class CommandHandlers;
class Swatch;
}

namespace tessaro::colorlist {
class ColorListCommands;
class ColorListPanel;
}

namespace tessaro::exporting {
class ListExportCommands;
class QuickCopyCommands;
struct CopySources;
}

namespace tessaro::workspace {

class ColorValuesPanel;
class EditingCommands;
class HarmonySection;
class HintRouter;
class MainColor;
class MainToolbar;
class QuickVariationsSection;
class WheelSection;

class MainWindow : public controls::ToolWindow {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 513;
    static constexpr int kClientHeight = 457;
    static constexpr int kTitleHeight = 19;

    // Registers the main window's commands (Paste, Make Websafe, Stay on
    // Top, Super Minimize) in `commands` and runs the toolbar's through it.
    MainWindow(const platform::Platform& platform, MainColor& mainColor, controls::CommandHandlers& commands,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    MainColor& mainColor() const { return mainColor_; }
    EditingCommands& commands() const { return *commands_; }

    void ShowHint(const QString& text);
    QString hintText() const { return hint_; }

    // Windows docked beside the main window roll up and down with it.
    void addSideWindow(controls::ToolWindow* window);
    void ToggleSuperMinimize();
    bool isStayOnTop() const { return stayOnTop_; }
    void ToggleStayOnTop();

    ColorValuesPanel* colorValues() const { return values_; }
    // The colour list: its commands (and model) and its part of the window.
    colorlist::ColorListCommands& colorList() const { return *colorList_; }
    colorlist::ColorListPanel* colorListPanel() const { return listPanel_; }
    WheelSection* wheelSection() const { return wheel_; }
    // The program is ending without the close question (a signal, or the
    // close that was already confirmed).
    void setEnding() { ending_ = true; }
    // Whether the close was confirmed (or the program is ending otherwise).
    bool isEnding() const { return ending_; }
    // Asked in turn after the colour list's question when the window is
    // closed by hand; the first that answers false keeps the program
    // running. An ending without the close question asks none of them.
    void addCloseQuestion(std::function<bool()> question) { closeQuestions_.push_back(std::move(question)); }
    controls::Swatch* mainSwatch() const;
    QMenu* mainMenu() const { return mainMenu_; }
    // The colours the copy and export commands take: the main colour with
    // its value fields as they stand, the list's entries and its selection.
    exporting::CopySources copySources();
    exporting::QuickCopyCommands& quickCopy() const { return *quickCopy_; }
    exporting::ListExportCommands& listExport() const { return *listExport_; }
    // The export menu, popped up at the centre of the toolbar's Export icon.
    QMenu* exportMenu() const { return exportMenu_; }
    void PopupExportMenu();
    MainToolbar* toolbar() const { return toolbar_; }
    // Where the Export menu opens: the centre of the toolbar's Export icon,
    // in screen coordinates.
    QPoint exportButtonCentre() const;

signals:
    // The window is closing: the program's shutdown runs now.
    void closing();
    // Files were dropped on the window from the desktop (after the list
    // files among them were opened).
    void filesDropped(const QStringList& paths);

public slots:
    // The close button closes the program.
    void closeByHand() override;

protected:
    void titleDoubleClicked() override { ToggleSuperMinimize(); }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintBody(QPainter& painter) override;
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Files dropped from the desktop: list files open.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildTitleBar(const controls::CommandHandlers& commands);
    void buildToolbar(const controls::CommandHandlers& commands);
    void buildValuesSection();
    void buildColorListSection();
    // The sections' own menus: adding the wheel, the harmonies and the quick
    // variations to the colour list.
    void buildSectionMenus();
    void buildWheelStyleEntry(controls::CommandHandlers& commands);
    void buildHintLine();
    // Quick copy and the list exports: the Copy button's menu, the bitmap
    // entries of the section menus, the export menus, Ctrl+C and F10/Ctrl+X.
    void buildCopyExport(controls::CommandHandlers& commands);
    // The ways into the tool windows from the sections: "More..." under the
    // quick variations and the section menus' entries.
    void buildToolEntries(controls::CommandHandlers& commands);
    void attachHints();
    // The list's hint, counted now; while it stays on the hint line it
    // follows the list's changes.
    QString listHint();
    void refreshListHint();
    // The mouse is over the bare window or toolbar: icons lose their
    // highlight and the hint line empties.
    void clearToolbarHighlight();

    platform::Platform platform_;
    MainColor& mainColor_;
    EditingCommands* commands_;
    HintRouter* hints_;
    QString hint_;
    // The list's hint as last shown (empty before the first).
    QString listHint_;
    bool stayOnTop_ = false;
    bool stayOnTopRefusalShown_ = false;
    bool ending_ = false;
    std::vector<std::function<bool()>> closeQuestions_;
    std::vector<controls::ToolWindow*> sideWindows_;

    QMenu* mainMenu_ = nullptr;
    MainToolbar* toolbar_ = nullptr;
    WheelSection* wheel_ = nullptr;
    HarmonySection* harmony_ = nullptr;
    QuickVariationsSection* variations_ = nullptr;
    ColorValuesPanel* values_ = nullptr;
    colorlist::ColorListCommands* colorList_ = nullptr;
    colorlist::ColorListPanel* listPanel_ = nullptr;
    QLabel* hintLabel_ = nullptr;
    exporting::QuickCopyCommands* quickCopy_ = nullptr;
    exporting::ListExportCommands* listExport_ = nullptr;
    QMenu* copyMenu_ = nullptr;
    QMenu* exportMenu_ = nullptr;
};

} // namespace tessaro::workspace
