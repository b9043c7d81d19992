#include "colorlist/history_preload.h"

namespace tessaro::colorlist {

HistoryPreload::HistoryPreload(const QString& path)
    : thread_([this, path] { read_ = HistoryFile::ReadFile(path); })
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
