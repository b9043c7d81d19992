// The Text Edit window: the detailed editor of one object's text and font,
// with a live preview on the object and placeholder texts to insert. "OK"
// applies, "Cancel" puts back what the object had when the window opened,
// the close key does neither.
#pragma once

#include "layouts/test_area.h"
#include "platform/platform.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace tessaro::layouts {

class TextEditWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMinWidth = 462;
    static constexpr int kMinHeight = 317;
    static const char* const kDummyTexts[3];

    TextEditWindow(const platform::Platform& platform, QWidget* parent = nullptr);

    // Takes the backup and fills the controls from `object`, which must
    // outlive the editing; `changed` runs after every change of the object.
    void Open(LayoutObject& object, std::function<void()> changed);
    // Places the window, with its frame, in the middle of the screen.
    void CentreOnScreen();

    QComboBox* faceChoice() const { return face_; }
    QComboBox* sizeChoice() const { return size_; }
    QToolButton* boldButton() const { return bold_; }
    QToolButton* italicButton() const { return italic_; }
    QToolButton* underlineButton() const { return underline_; }
    QCheckBox* previewCheck() const { return preview_; }
    QPlainTextEdit* textBox() const { return text_; }

    // The object takes the text box's text and font.
    void PreviewText();
    // PreviewText, then the window closes as accepted.
    void ApplyText();
    // The backup back on the object, then the window closes.
    void CancelEditing();
    // Appends placeholder text `index` (0..2) on a new line.
    void InsertDummyText(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyFace();
    void applySize();
    void styleChanged();
    void previewIfTicked();
    void restoreBackup();

    platform::Platform platform_;
    LayoutObject* object_ = nullptr;
    LayoutObject backup_;
    // The face the object takes: its own until the user chooses another
    // entry, also when that face is not installed here.
    QString chosenFace_;
    std::function<void()> changed_;
    QComboBox* face_;
    QComboBox* size_;
    QToolButton* bold_;
    QToolButton* italic_;
    QToolButton* underline_;
    QCheckBox* preview_;
    QPlainTextEdit* text_;
    QPushButton* dummy_;
};

} // namespace tessaro::layouts
