#include "workspace/hint_router.h"

#include <QEvent>
#include <QWidget>

namespace tessaro::workspace {

HintRouter::HintRouter(QObject* parent) : QObject(parent) {}

void HintRouter::attach(QWidget* widget, std::function<QString()> hint)
{
    if (!hints_.contains(widget)) {
        widget->installEventFilter(this);
        connect(widget, &QObject::destroyed, this, [this](QObject* gone) { hints_.remove(gone); });
    }
    hints_.insert(widget, std::move(hint));
}

void HintRouter::attach(QWidget* widget, const QString& hint)
{
    attach(widget, [hint] { return hint; });
}

bool HintRouter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter) {
        const auto it = hints_.constFind(watched);
        if (it != hints_.constEnd())
            emit hint((*it)());
    }
    return false;
}

} // namespace tessaro::workspace
