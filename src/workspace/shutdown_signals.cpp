#include "workspace/shutdown_signals.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tessaro::workspace {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler may only write a byte; the event loop reads it.
int g_signalPipe[2] = {-1, -1};

void HandleSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
}

void RestoreDefaultActions()
{
    for (int signal : kSignals)
        std::signal(signal, SIG_DFL);
}

bool IsModalWindow(const QWidget* widget)
{
    return widget->isWindow() && widget->windowModality() != Qt::NonModal;
}

// Ends a modal window's own event loop: a dialog is rejected (as by Escape),
// any other window closed. A message box nobody will read goes to stderr.
void CloseModal(QWidget* widget)
{
    if (const auto* box = qobject_cast<QMessageBox*>(widget))
        std::fprintf(stderr, "kt-tessaro: %s: %s\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
    if (auto* dialog = qobject_cast<QDialog*>(widget))
        dialog->reject();
    else
        widget->close();
}

} // namespace

ShutdownSignals::ShutdownSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return;
    ::fcntl(g_signalPipe[1], F_SETFL, O_NONBLOCK);
    notifier_ = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char buffer[16];
        [[maybe_unused]] const ssize_t read = ::read(g_signalPipe[0], buffer, sizeof buffer);
        endProgram();
    });
    struct sigaction action = {};
    action.sa_handler = HandleSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

ShutdownSignals::~ShutdownSignals()
{
    if (received_)
        qApp->removeEventFilter(this);
    RestoreDefaultActions();
    delete notifier_;
    for (int& fd : g_signalPipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void ShutdownSignals::endProgram()
{
    if (received_)
        return;
    received_ = true;
    // Whoever sends another signal wants the process gone now.
    RestoreDefaultActions();
    notifier_->setEnabled(false);
    // A box the save itself opens (a file it cannot write) must not wait
    // for an answer either.
    qApp->installEventFilter(this);
    onSignal_();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && IsModalWindow(widget))
            CloseModal(widget);
    }
    // Leaves the main event loop and every nested one; before the main loop
    // has started, `received` keeps the program from entering it.
    QCoreApplication::exit(0);
}

bool ShutdownSignals::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        // Closed once its own event loop runs.
        if (IsModalWindow(widget))
            QMetaObject::invokeMethod(widget, [widget] { CloseModal(widget); }, Qt::QueuedConnection);
    }
    return false;
}

} // namespace tessaro::workspace
