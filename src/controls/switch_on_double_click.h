// A double click on a choice of two values (True/False) switches it to its
// other value. The first click of a double click opens the choice's list,
// so the second one lands on that list: a press there within the double
// click time, where the choice itself lies, closes the list and switches
// the choice instead of picking an entry.
#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <functional>

class QComboBox;

namespace tessaro::controls {

class SwitchOnDoubleClick : public QObject {
public:
    // Watches `choice` (and is owned by it); `switched` runs once the
    // choice shows its other value.
    SwitchOnDoubleClick(QComboBox* choice, std::function<void()> switched);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void switchChoice();

    QComboBox* choice_;
    std::function<void()> switched_;
    // Since the press that may be the first of a double click.
    QElapsedTimer sincePress_;
};

} // namespace tessaro::controls
