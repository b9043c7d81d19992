// The found list's view: several rows can be selected, and a drag of the
// pressed entry's colour starts as soon as the mouse moves with the left
// button held down on it. Delete asks the window to remove the selection.
#pragma once

#include <QListView>

namespace tessaro::tools {

class FoundListView : public QListView {
    Q_OBJECT
public:
    explicit FoundListView(QWidget* parent = nullptr);

signals:
    void deletePressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int pressedRow_ = -1;
};

} // namespace tessaro::tools
