#include "cli/cli.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <iostream>

namespace {

// The commands write their own messages to standard error; what Qt says on
// the way (a missing XDG_RUNTIME_DIR, the offscreen platform, a picture
// decoder's complaint) is not for the scripts reading it. Only a fatal
// error, which ends the process, is still told.
void KeepQtMessagesOff(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "tessaro-cli: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(KeepQtMessagesOff);
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return tessaro::cli::Run(args, std::cin, std::cout, std::cerr, tessaro::cli::LocaleDecimalSeparator());
}
