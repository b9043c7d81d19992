// The history file read and parsed on a thread of its own, started once
// the main window is shown, so that a long history is read while the other
// windows are made. The session takes the result when it loads the history.
#pragma once

#include "colorlist/history_file.h"

#include <QString>

#include <thread>

namespace tessaro::colorlist {

class HistoryPreload {
public:
    // Made on the main thread.
    explicit HistoryPreload(const QString& path);
    ~HistoryPreload();
    HistoryPreload(const HistoryPreload&) = delete;
    HistoryPreload& operator=(const HistoryPreload&) = delete;

    // Waits for the reading and hands its result over; once only.
    HistoryFile::Read take();

private:
    bool markedMainThread_;
    HistoryFile::Read read_;
    std::thread thread_;
};

} // namespace tessaro::colorlist
