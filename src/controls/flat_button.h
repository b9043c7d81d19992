// A button drawn as a flat text panel: no frame, and a lowered bevel only
// while the mouse button is held down on it.
#pragma once

#include <QAbstractButton>

namespace tessaro::controls {

class FlatButton : public QAbstractButton {
    Q_OBJECT
public:
    FlatButton(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tessaro::controls
