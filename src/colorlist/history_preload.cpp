#include "colorlist/history_preload.h"

#include <QThread>

namespace tessaro::colorlist {

// Qt takes the first thread that asks for its thread data for the main
// thread. The reading makes Qt objects (QFile), so the creating thread
// (the main one, before the application object exists) asks first.
static bool MarkedMainThread()
{
    return QThread::currentThread() != nullptr;
}

HistoryPreload::HistoryPreload(const QString& path)
    : markedMainThread_(MarkedMainThread()), thread_([this, path] { read_ = HistoryFile::ReadFile(path); })
{
}

HistoryPreload::~HistoryPreload()
{
    if (thread_.joinable())
        thread_.join();
}

HistoryFile::Read HistoryPreload::take()
{
    if (thread_.joinable())
        thread_.join();
    return std::move(read_);
}

} // namespace tessaro::colorlist
