// Routes the mouse entering a widget to the hint line: each widget that has
// a hint is attached with its text (or a function giving it at that moment).
// Only attached widgets are watched, so controls of other windows never
// reach this hint line.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace tessaro::workspace {

class HintRouter : public QObject {
    Q_OBJECT
public:
    explicit HintRouter(QObject* parent = nullptr);

    void attach(QWidget* widget, std::function<QString()> hint);
    void attach(QWidget* widget, const QString& hint);

signals:
    void hint(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QObject*, std::function<QString()>> hints_;
};

} // namespace tessaro::workspace
