// Turns the desktop's end-of-session signals (SIGTERM, SIGINT, SIGHUP) into
// a call on the event loop, so the program saves as on a normal close, and
// then ends the program whatever dialog is open.
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace tessaro::workspace {

class ShutdownSignals : public QObject {
    Q_OBJECT
public:
    // `onSignal` saves; it runs once, on the first signal. A second signal
    // ends the process at once (the default action).
    explicit ShutdownSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~ShutdownSignals() override;

    // A signal has arrived: the program is ending and enters no event loop.
    bool received() const { return received_; }

protected:
    // While ending: every modal window that opens is closed again.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void endProgram();

    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
    bool received_ = false;
};

} // namespace tessaro::workspace
