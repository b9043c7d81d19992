// The font dialog "with effects": family, size, bold, italic, underline,
// strike-out and a colour, with a sample line.
#pragma once

#include "platform/platform.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace tessaro::platform {

class FontEffectsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMinSize = 1;
    static constexpr int kMaxSize = 999;

    // `families` are the installed ones; the initial family is offered even
    // when it is not installed, so that a name read from a file is kept.
    FontEffectsDialog(const QStringList& families, const FontChoice& initial, QWidget* parent = nullptr);

    // The font in points, with its effects and colour.
    FontChoice choice() const;
    void setColor(const QColor& color);

private:
    void chooseColor();
    void showSample();

    QComboBox* family_;
    QSpinBox* size_;
    QCheckBox* bold_;
    QCheckBox* italic_;
    QCheckBox* underline_;
    QCheckBox* strikeOut_;
    QPushButton* colorButton_;
    QLabel* sample_;
    QColor color_;
};

} // namespace tessaro::platform
