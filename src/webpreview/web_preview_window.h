// The "Web Preview" tool window: the sample web page, its colour chooser,
// and the commands that save, load and export the page.
#pragma once

#include "webpreview/web_page_contrast.h"

#include "controls/tool_window.h"
#include "webpreview/web_page_layout.h"

#include <functional>

class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

namespace tessaro::controls {
class Swatch;
}

namespace tessaro::colorlist {
class ColorListCommands;
}

namespace tessaro::webpreview {

class WebPageView;

// The layout the window starts with, read at start-up whether or not the
// window is ever opened.
struct StartLayout {
    WebPageLayout layout;
    QString lastLayout;
};

// Start-up: the last layout when `lastLayout` is set (nothing is read when
// the file is gone; it stays the last layout), else the sample beside the
// program (which does not become the last layout). Problems with a file
// are reported over `parent`.
StartLayout LoadStartLayout(const platform::Platform& platform, QWidget* parent, const QString& lastLayout,
                            const QString& sampleLayout);

class WebPreviewWindow : public controls::ToolWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 404;
    static constexpr int kHeight = 397;
    // The height a roll-up returns to.
    static constexpr int kUnrolledHeight = 404;
    static constexpr int kTitleHeight = 19;

    // `raiseMainWindow` brings the main window to the front after colours
    // went to its list.
    WebPreviewWindow(const platform::Platform& platform, colorlist::ColorListCommands& list,
                     std::function<void()> raiseMainWindow, QWidget* parent = nullptr);

    const WebPageLayout& layout() const { return layout_; }
    WebPageView* page() const { return page_; }
    QComboBox* chooser() const { return chooser_; }
    controls::Swatch* chooserSwatch() const { return chooserSwatch_; }
    QLabel* colorsCaption() const { return colorsCaption_; }
    QMenu* menu() const { return menu_; }

    // The layout file last loaded or saved; empty when none.
    const QString& lastLayout() const { return lastLayout_; }

    // Start-up: the last layout when `lastLayout` is set (nothing when the
    // file is gone; it stays the last layout), else the sample beside the
    // program (which does not become the last layout); then the chooser
    // shows the border colour.
    void LoadAtStart(const QString& lastLayout, const QString& sampleLayout);
    // Takes the layout read at start-up; the chooser shows the border colour.
    void Restore(const StartLayout& start);

    // The commands of the buttons and the menu.
    void SaveAs();
    void Load();
    void ExportHtml();
    void AddAllColors();
    void OpenInBrowser();
    void ContrastReport();
    // The suggested colour of a text failing WCAG AA, applied as a drop of
    // it on the text would be.
    void ApplyContrastFix(const webpreview::WebContrastFix& fix);
    // "Contrast Fixes": one entry for each text failing AA, filled when it
    // opens.
    QMenu* contrastFixesMenu() const { return contrastFixes_; }
    // F8 and "&Web Preview...": shown in front.
    void Open();

    // Applies a layout file; true when the whole file was applied. A file
    // that cannot be read, or a value that is no number, is reported.
    bool LoadLayoutFile(const QString& path);
    // Writes the layout (or the page) whole; false, reported, when it fails.
    bool SaveLayoutFile(const QString& path);
    bool ExportHtmlFile(const QString& path);

    // The chooser's entry by its label, with the swatch following.
    void chooseEntry(const QString& label);
    // A colour dropped on the chooser's swatch.
    void dropOnChooserSwatch(TColor color);
    // A right click / double click on a text.
    void askForString(WebText text);
    void askForFont(WebText text);

protected:
    void titleDoubleClicked() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;

private:
    QMenu* contrastFixes_ = nullptr;
    void buildMenu();
    void buildControls();
    void layoutChanged();
    bool writeWhole(const QString& path, const std::string& bytes);

    colorlist::ColorListCommands& list_;
    std::function<void()> raiseMainWindow_;
    WebPageLayout layout_;
    WebPageView* page_;
    QLabel* colorsCaption_ = nullptr;
    QComboBox* chooser_ = nullptr;
    controls::Swatch* chooserSwatch_ = nullptr;
    QMenu* menu_;
    QActionGroup* visionGroup_ = nullptr;
    QString lastLayout_;
};

} // namespace tessaro::webpreview
