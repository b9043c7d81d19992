#include "controls/switch_on_double_click.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>

namespace tessaro::controls {

SwitchOnDoubleClick::SwitchOnDoubleClick(QComboBox* choice, std::function<void()> switched)
    : QObject(choice), choice_(choice), switched_(std::move(switched))
{
    choice_->installEventFilter(this);
    // The list, and the popup frame around it (a press beside the list).
    choice_->view()->viewport()->installEventFilter(this);
    choice_->view()->window()->installEventFilter(this);
}

bool SwitchOnDoubleClick::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton || choice_->count() != 2)
        return false;
    if (watched == choice_) {
        // The list did not open on the first click: the choice gets the
        // double click itself.
        if (type == QEvent::MouseButtonDblClick) {
            switchChoice();
            return true;
        }
        sincePress_.start();
        return false;
    }
    const QRect onScreen(choice_->mapToGlobal(QPoint(0, 0)), choice_->size());
    if (!sincePress_.isValid() || sincePress_.elapsed() > QApplication::doubleClickInterval() ||
        !onScreen.contains(mouse->globalPosition().toPoint()))
        return false;
    choice_->hidePopup();
    switchChoice();
    return true;
}

void SwitchOnDoubleClick::switchChoice()
{
    sincePress_.invalidate();
    choice_->setCurrentIndex(1 - choice_->currentIndex());
    switched_();
}

} // namespace tessaro::controls
