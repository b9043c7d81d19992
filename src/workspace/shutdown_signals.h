// Turns the desktop's end-of-session signals (SIGTERM, SIGINT, SIGHUP) into
// a call on the event loop, so the program saves as on a normal close.
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace tessaro::workspace {

class ShutdownSignals : public QObject {
    Q_OBJECT
public:
    explicit ShutdownSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~ShutdownSignals() override;

private:
    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace tessaro::workspace
