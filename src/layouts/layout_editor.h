// The layout editor's two pages in the Test Color window's column: "Edit
// Layout" (the objects list, the boxes of the current object and the
// options of its kind) and "Advanced Options" (object colour, grid,
// document size). Every change acts at once on the test area's objects.
#pragma once

#include "layouts/selection_frame.h"
#include "layouts/test_area.h"
#include "layouts/test_area_painter.h"
#include "platform/platform.h"

#include <QObject>
#include <QMap>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace tessaro::layouts {

class LayoutEditor : public QObject {
    Q_OBJECT
public:
    inline static const QColor kFocusCaption{0xE2, 0xE2, 0xE2};
    inline static const QColor kCaption{0xF7, 0xF7, 0xF7};
    inline static const QColor kRefusedBox{0xFF, 0x7D, 0x7D};

    // Builds the controls on `editPage` and `advancedPage`; `pictureFolder`
    // is where relative picture names are looked up (the layouts folder).
    LayoutEditor(const platform::Platform& platform, TestArea& area, TestAreaPictures& pictures,
                 SelectionFrame& frame, QString pictureFolder, QWidget* editPage, QWidget* advancedPage);

    std::optional<ObjectRef> current() const { return current_; }
    // The object's entry selected and its values shown (clamped and
    // written back); the frame takes it.
    void Select(ObjectRef object);
    // Fills the boxes again from the current object.
    void ShowCurrent();
    // The image names recorded by the last load or by the editor, "i1.filename" ..
    QMap<int, QString>& imageNames() { return imageNames_; }
    // A layout load: the document boxes show its size.
    void ShowDocumentSize();
    void setObjectColorText(const QString& text);

    QListWidget* objectsList() const { return objects_; }
    QLineEdit* box(const QString& objectName) const;
    QComboBox* choice(const QString& objectName) const;
    QCheckBox* snapToGrid() const { return snap_; }
    QLineEdit* gridSize() const { return gridSize_; }
    QComboBox* documentSize() const { return docSize_; }

    void CopyObjectStyle();
    void PasteObjectStyle();

signals:
    // The document or an object changed: redraw, resize.
    void documentResized();
    void objectsChanged();
    void saveAsRequested();
    void quitRequested();
    void showPage(int page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* numberBox(QWidget* page, const QString& caption, const QString& name, int& y);
    QComboBox* choiceBox(QWidget* page, const QString& caption, const QString& name, const QStringList& items, int& y);
    void applyNumber(QLineEdit* box);
    void applyChoice(QComboBox* choice);
    void applyFileName(const QString& text);
    void chooseFile();
    void applyDocumentSide(QLineEdit* box);
    void showError(const QString& text);
    LayoutObject* currentObject();

    platform::Platform platform_;
    TestArea& area_;
    TestAreaPictures& pictures_;
    SelectionFrame& frame_;
    QString pictureFolder_;
    QString pictureDialogFolder_;
    std::optional<ObjectRef> current_;
    QMap<int, QString> imageNames_;
    std::optional<Box> styleStore_;
    bool filling_ = false;
    QMap<QWidget*, QLabel*> captions_;

    QListWidget* objects_;
    QWidget* shapeGroup_;
    QWidget* textGroup_;
    QWidget* imageGroup_;
    QLineEdit* textBox_ = nullptr;
    QLineEdit* fileName_ = nullptr;
    QLabel* objectColor_ = nullptr;
    QCheckBox* snap_ = nullptr;
    QLineEdit* gridSize_ = nullptr;
    QComboBox* docSize_ = nullptr;
    QLineEdit* docWidth_ = nullptr;
    QLineEdit* docHeight_ = nullptr;
};

} // namespace tessaro::layouts
