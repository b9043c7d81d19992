// The Copy/Export Center: a modal window in which the user picks a source
// of colours and a format, sets the format's options, sees the result in
// the preview and copies it ("Copy Now", Enter) or saves it to a file
// ("Save As..."). It keeps its choices between openings.
#pragma once

#include "controls/tool_window.h"
#include "export/center_output.h"
#include "export/center_sources.h"
#include "export/copy_sources.h"

#include <QImage>

#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QStackedWidget;

namespace tessaro::controls {
class CommandHandlers;
}

namespace tessaro::exporting {

class CopyCenterWindow : public controls::ToolWindow {
    Q_OBJECT
public:
    // Wide enough for the Format list's ten entries in a column of their
    // own beside the Source list, so every entry shows whole.
    static constexpr int kWidth = 613;
    static constexpr int kHeightWithPreview = 453;
    static constexpr int kHeightWithoutPreview = 191;
    static constexpr int kTitleHeight = 19;
    // The preview spans the window under its bar.
    static constexpr int kPreviewHeight = 241;

    CopyCenterWindow(const platform::Platform& platform, CopySources sources, controls::CommandHandlers& commands,
                     QWidget* parent = nullptr);

    // Collects the source's colours, renders and shows the window, modal.
    void Open();
    // Renders again, puts the result on the clipboard and closes.
    void CopyNow();
    // Saves the result to a file chosen in a save dialog: a picture as PNG,
    // BMP, SVG or EMF by the file's extension, a text as it is.
    void SaveAs();
    // Writes the result to `path` (the kind by its extension); false after
    // showing why it could not.
    bool SaveTo(const QString& path);

    bool isPreviewShown() const { return previewShown_; }
    void setPreviewShown(bool shown);

    CenterSource source() const { return source_; }
    void setSource(CenterSource source);
    CenterFormat format() const { return options_.format; }
    void setFormat(CenterFormat format);
    const CenterOptions& options() const { return options_; }
    // The collected colour texts and the result as last rendered.
    const std::vector<std::string>& collected() const { return collected_; }
    const CenterOutput& output() const { return output_; }
    // The bitmap of a picture result (what the preview shows).
    const QImage& picture() const { return picture_; }
    // Whether the window has been placed (from the settings or by hand).
    void setPlaced(bool placed) { placed_ = placed; }
    bool isPlaced() const { return placed_; }

protected:
    void titleDoubleClicked() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildLists();
    void buildOptionPages();
    QWidget* buildSwatchesPage();
    QWidget* buildListPage();
    // Check boxes five to a column; `columns` gives each column's left edge
    // and width (by default 150 apart, 146 wide).
    QWidget* buildTextPage(const std::vector<std::pair<const char*, bool*>>& switches,
                           const std::vector<std::pair<int, int>>& columns = {});
    QWidget* buildPrefixPage();
    void buildButtons();
    void buildPreview();
    // Collects the source's colours; false after showing a conversion error.
    bool collect();
    void render();
    void showOutput();

    CopySources sources_;
    CenterSource source_ = CenterSource::MainColor;
    CenterOptions options_;
    std::vector<std::string> collected_;
    std::vector<TColor> colors_;
    CenterOutput output_;
    QImage picture_;
    bool previewShown_ = false;
    bool placed_ = false;
    bool building_ = true;

    QListWidget* sourceList_ = nullptr;
    QListWidget* formatList_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QStackedWidget* previewArea_ = nullptr;
    QLabel* previewPicture_ = nullptr;
    QPlainTextEdit* previewText_ = nullptr;
    QWidget* previewBar_ = nullptr;
    QPushButton* previewButton_ = nullptr;
    QLineEdit* prefixEdit_ = nullptr;
    // Puts a typed value that is not in use back to the one in use, in the
    // Swatch Size and Columns boxes.
    void settleBoxes();
    std::vector<std::function<void()>> settleBoxes_;
};

} // namespace tessaro::exporting
