// A label of one line in a fixed place: a text too long for it ends in
// "…" instead of wrapping into the controls below, and the whole text is
// its tool tip then. text() keeps the whole text.
#pragma once

#include <QLabel>

namespace tessaro::workspace {

class OneLineLabel : public QLabel {
    Q_OBJECT
public:
    explicit OneLineLabel(QWidget* parent = nullptr);

    // The text as drawn: the whole text, or its start and "…".
    QString shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tessaro::workspace
