#include "workspace/value_edit.h"

#include <QKeyEvent>

namespace tessaro::workspace {

namespace {

bool IsEnter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// A key that types a character, as opposed to navigation and shortcuts.
bool TypesCharacter(const QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

} // namespace

ValueEdit::ValueEdit(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(3);
}

void ValueEdit::keyPressEvent(QKeyEvent* event)
{
    if (IsEnter(event)) {
        emit enterPressed();
        return;
    }
    if (TypesCharacter(event)) {
        const QChar c = event->text().at(0);
        if (c == QLatin1Char('+') || c == QLatin1Char('-'))
            emit stepRequested(c == QLatin1Char('+') ? 1 : -1);
        else if (c.isDigit() && c.unicode() < 128)
            QLineEdit::keyPressEvent(event);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ValueEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit left();
}

HexEdit::HexEdit(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(6);
    // Letters show in upper case as they are typed.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int cursor = cursorPosition();
            setText(upper);
            setCursorPosition(cursor);
        }
    });
}

void HexEdit::keyPressEvent(QKeyEvent* event)
{
    if (IsEnter(event)) {
        emit enterPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace tessaro::workspace
