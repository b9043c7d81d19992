// The three-character number edits of the "Color Values" section: digits,
// Backspace and Enter reach the edit; "+" and "-" step its number; every
// other typed character is dropped.
#pragma once

#include <QLineEdit>

namespace tessaro::workspace {

class ValueEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit ValueEdit(QWidget* parent = nullptr);

signals:
    void enterPressed();
    // "+" (+1) or "-" (-1) was typed.
    void stepRequested(int delta);
    // The edit lost the input focus.
    void left();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// The hex field: six characters, shown in upper case, Enter applies.
class HexEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit HexEdit(QWidget* parent = nullptr);

signals:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tessaro::workspace
