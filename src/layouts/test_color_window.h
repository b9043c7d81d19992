// The Test Color window: the test area with its title, the right-hand
// column with the "Test Layouts" page (the layout list, its menu, the
// buttons and the saved schemes), and the status line. Colours dropped on
// the area's shapes, texts and background stay with them from one layout to
// the next; each is in turn a colour source for the rest of the program.
#pragma once

#include "layouts/text_contrast.h"

#include "colorlist/drag_sources.h"
#include "controls/tool_window.h"
#include "engine/color_vision.h"
#include "layouts/edit_history.h"
#include "layouts/test_area.h"
#include "layouts/test_area_painter.h"
#include "layouts/test_layout.h"

#include <QString>

#include <functional>

#include <optional>

class QCheckBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QStackedWidget;

namespace tessaro::layouts {

class LayoutEditor;
class SelectionFrame;
class TestAreaView;
class TextEditWindow;

class TestColorWindow : public controls::ToolWindow {
    Q_OBJECT
public:
    static constexpr int kTitleHeight = 19;
    static constexpr int kColumnWidth = 177;

    inline static const QString kStartStatus =
        QStringLiteral("Select a test layout from the list. Drag and drop colors over any of the shapes or texts.");
    inline static const QString kWindowStatus = QStringLiteral(
        "Select a test layout from the list. Drag and drop colors on the shapes. You can also change the background "
        "color.");
    inline static const QString kEditButtonStatus = QStringLiteral("Click to edit this layout.");
    inline static const QString kSchemeListStatus = QStringLiteral(
        "Select a scheme from the list. Please note that all schemes may not be suitable for all layouts.");
    inline static const QString kSaveSchemeStatus = QStringLiteral("Click to save scheme.");

    // `programFolder` (ending with "/") holds the saved schemes and the
    // layouts folder "TLs/".
    TestColorWindow(const platform::Platform& platform, const QString& programFolder, QWidget* parent = nullptr);
    ~TestColorWindow() override;

    const TestArea& area() const { return area_; }
    const TestAreaPictures& pictures() const { return pictures_; }
    TestAreaView* view() const { return view_; }
    QListWidget* layoutList() const { return layoutList_; }
    QListWidget* schemeList() const { return schemeList_; }
    QMenu* layoutsMenu() const { return layoutsMenu_; }
    QLabel* statusLabel() const { return status_; }
    QString statusText() const;
    QString areaTitle() const;
    QString layoutsFolder() const { return programFolder_ + QStringLiteral("TLs/"); }
    const TestLayout& currentLayout() const { return layout_; }

    bool showTexts() const { return showTexts_; }
    // Sets the menu's check without loading.
    void setShowTexts(bool on);
    bool schemeChanged() const { return schemeChanged_; }

    // F7: shown (selecting and loading the first layout), or hidden when it
    // is the active window.
    void Toggle();
    // Selects the list entry `row` and loads it; false when the user stays
    // with the edited layout (MayLeaveLayout), the list then showing it again.
    bool SelectLayout(int row);
    // Loads the selected layout into the test area.
    void LoadLayout();
    // A colour dropped on the part `hit` names.
    void DropColor(const HitTarget& hit, TColor color, colorlist::DragSource source);
    void RestoreDefaultColors();
    void ToggleShowTexts();
    void DeleteLayout();
    void SaveScheme();
    void DeleteScheme();
    // Applies the scheme file of list entry `row`, asking first when the
    // colours have changed since the last save.
    void ApplyScheme(int row);
    void ReadSchemeList();
    void setVision(ColorVision vision);
    ColorVision vision() const;
    void ShowContrastReport();
    // The suggested colour of a text failing WCAG AA, applied as a drop of
    // it on the text would be.
    void ApplyContrastFix(const TextContrastFix& fix);
    // "Contrast Fixes": one entry for each text failing AA, filled when it
    // opens.
    QMenu* contrastFixesMenu() const { return contrastFixes_; }

    // The layout editor.
    bool editMode() const { return editMode_; }
    LayoutEditor* editor() const { return editor_; }
    SelectionFrame* selectionFrame() const { return frame_; }
    TextEditWindow* textEditWindow() const { return textEdit_; }
    // The right button on the selected object: the Text Edit window for the
    // editor's current object, modal.
    void EditCurrentText();
    // Ctrl+Z and Ctrl+Y while editing: the edits of the objects, apart
    // from the main colour's history.
    void UndoEdit();
    void RedoEdit();
    int currentPage() const;
    // Whether the objects or the document differ from the layout as loaded
    // or saved last (colours do not count); a new layout counts until saved.
    bool layoutChanged() const;
    // "Edit Layout": editing the current layout.
    void EnterEditMode();
    // "New Layout": an empty 425 x 385 layout titled "New Layout" with the
    // first objects visible, in editing mode.
    void NewLayout();
    // "Quit Editing Mode": asks to save a changed layout (Yes, No, Cancel);
    // false when the user stays.
    bool QuitEditMode();
    // Every other way out of the layout being edited (closing this window
    // or the program, another layout, "Show Texts and Images") goes through
    // "Quit Editing Mode" first; false when the user stays. Outside editing
    // mode there is nothing to ask.
    bool MayLeaveLayout();
    // "Save As": the document properties, then a file in the layouts
    // folder; a new name joins the layout list. False when nothing was saved.
    bool SaveLayoutAs();
    // Asks for the document fields; the Document Properties window unless
    // replaced (tests).
    using PropertiesAsker = std::function<std::optional<DocumentFields>(const DocumentFields&)>;
    void setPropertiesAsker(PropertiesAsker asker) { askProperties_ = std::move(asker); }
    // The names the user saved beyond the built-in list, one a line.
    QString userLayoutsFile() const { return layoutsFolder() + QStringLiteral("user layouts.txt"); }

public slots:
    // The close button: hides the window, unless the user stays with the
    // edited layout.
    void closeByHand() override;

signals:
    // "Edit Layout" and "New Layout" (button or menu).
    void editLayoutRequested();
    void newLayoutRequested();

protected:
    void paintBody(QPainter& painter) override;
    void showEvent(QShowEvent* event) override;
    // A close by the window manager asks as the close button does.
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenu* contrastFixes_ = nullptr;
    void restoreEdit(bool (EditHistory::*step)(TestArea&));
    class EditKeyFilter;
    // On the whole application while the window lives; removed first when it goes.
    EditKeyFilter* editKeys_ = nullptr;
    // Ctrl+Z and Ctrl+Y inside this window while editing.
    bool takeEditKey(QObject* watched, QEvent* event);
    void buildColumn();
    void buildLayoutsMenu();
    void applyDocumentSize();
    void showPointerStatus(std::optional<HitTarget> hit);
    void showLoadedRow();
    void loadPicture(const LayoutObject& image);
    void setStatus(const QString& text);
    void markChanged();
    void selectReleased(const HitTarget& hit);
    void readUserLayouts();
    // Adds a saved layout's name to the user layouts file.
    void addUserLayout(const QString& name);
    // "WHAT:" and why the file could not be written (an error of ReplaceFileBytes).
    void showSaveError(const QString& what, int error);
    void showAreaTitle();
    // The file name Save As offers: the loaded layout's file, or for a new
    // layout its title with ".sts".
    QString offeredFileName(const DocumentFields& fields) const;

    QString programFolder_;
    TestArea area_ = InitialTestArea();
    TestAreaPictures pictures_;
    TestLayout layout_;
    bool showTexts_ = true;
    bool schemeChanged_ = false;

    QLabel* areaTitle_;
    TestAreaView* view_;
    QStackedWidget* pages_ = nullptr;
    QListWidget* layoutList_ = nullptr;
    QPushButton* editLayoutButton_ = nullptr;
    QPushButton* newLayoutButton_ = nullptr;
    QLabel* schemeHeader_ = nullptr;
    QListWidget* schemeList_ = nullptr;
    QPushButton* saveSchemeButton_ = nullptr;
    QCheckBox* useDefaultScheme_ = nullptr;
    QMenu* layoutsMenu_ = nullptr;
    QAction* showTextsAction_ = nullptr;
    QList<QAction*> visionActions_;
    QLabel* status_;
    SelectionFrame* frame_ = nullptr;
    LayoutEditor* editor_ = nullptr;
    TextEditWindow* textEdit_ = nullptr;
    EditHistory editHistory_;
    bool restoring_ = false;
    bool editMode_ = false;
    // The layout as loaded or saved last, and whether it is a new one that
    // was never saved; the list entry it was loaded from.
    TestArea savedArrangement_ = area_;
    bool unsavedNewLayout_ = false;
    int loadedRow_ = 0;
    PropertiesAsker askProperties_;
};

} // namespace tessaro::layouts
