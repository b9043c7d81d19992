// The test area of the Test Color window: draws the document, starts a
// colour drag from the shape, text or background under a left press, takes
// dropped colours and tells the window what the pointer is over.
#pragma once

#include "colorlist/color_mime.h"
#include "engine/color_vision.h"
#include "layouts/test_area.h"
#include "layouts/test_area_painter.h"

#include <QWidget>

#include <optional>

namespace tessaro::layouts {

class TestAreaView : public QWidget {
    Q_OBJECT
public:
    // Shows `area` and `pictures`, which the window owns and changes.
    TestAreaView(const TestArea& area, const TestAreaPictures& pictures, QWidget* parent = nullptr);

    ColorVision vision() const { return vision_; }
    void setVision(ColorVision vision);

    // In the layout editor's mode a press starts no colour drag and a
    // release reports the part under the pointer.
    bool editMode() const { return editMode_; }
    void setEditMode(bool on) { editMode_ = on; }

signals:
    // A colour drag was dropped on the part `hit` names.
    void colorDropped(tessaro::layouts::HitTarget hit, tessaro::colorlist::DraggedColor dragged);
    // The pointer moved over a part (nullopt: outside the document).
    void pointerOver(std::optional<tessaro::layouts::HitTarget> hit);
    // A drag entered the area: the window comes to the front.
    void dragEntered();
    // Edit mode: a button was released over a part; any button went down
    // over the background.
    void released(tessaro::layouts::HitTarget hit);
    void backgroundPressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    const TestArea& area_;
    const TestAreaPictures& pictures_;
    ColorVision vision_ = ColorVision::Normal;
    bool editMode_ = false;
};

} // namespace tessaro::layouts
