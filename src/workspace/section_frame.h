// A section of the main window: a framed panel with its small title bar
// across the top.
#pragma once

#include "colorlist/drag_sources.h"

#include <QWidget>

namespace tessaro::controls {
class SectionTitleBar;
class Swatch;
}

namespace tessaro::workspace {

class SectionFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTitleHeight = 16;

    // `geometry` is the section's place in its window.
    SectionFrame(const QString& titleName, const QString& caption, const QRect& geometry, QWidget* parent);

    controls::SectionTitleBar* titleBar() const { return title_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    controls::SectionTitleBar* title_;
};

// A square swatch showing a derived colour, placed in a section; its colour
// can be dragged as a source of kind `source`.
controls::Swatch* AddDerivedSwatch(QWidget* section, const QString& name, const QRect& geometry,
                                   colorlist::DragSource source);

} // namespace tessaro::workspace
