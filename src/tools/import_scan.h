// One scan of the Import Colors window: a file's text or a given text
// searched for "#RRGGBB" entries away from the user-interface thread. The
// window polls the progress, may cancel, and takes the new entries in one
// step when the scan has finished.
#pragma once

#include "engine/color_scan.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <cstddef>
#include <string>
#include <thread>
#include <vector>

namespace tessaro::tools {

struct ImportSource {
    // A file to read; when empty, `text` is scanned.
    QString path;
    QString text;
};

struct ImportScanResult {
    bool sawHash = false;   // false: the text holds no "#" at all
    bool cancelled = false;
    QString fileError;      // the file could not be read; nothing was scanned
    std::vector<std::string> added;
};

struct ScanProgressState {
    std::atomic<std::size_t> step{0};
    std::atomic<std::size_t> maximum{0};
    std::atomic<bool> cancel{false};
};

// Reads and scans the source where it runs. `known` is the found list
// before the scan, for the duplicate rule. A file's lines are joined by
// CR LF. Reports its steps into `state` and stops soon after its `cancel`
// is set, with nothing added.
ImportScanResult RunImportScan(const ImportSource& source, const std::vector<std::string>& known,
                               bool allowDuplicates, ScanProgressState& state);

class ImportScan : public QObject {
    Q_OBJECT
public:
    explicit ImportScan(QObject* parent = nullptr);
    // Cancels a running scan and waits for it.
    ~ImportScan() override;

    bool isRunning() const { return running_; }
    // Starts a scan; false while one is running.
    bool start(ImportSource source, std::vector<std::string> known, bool allowDuplicates);
    void cancel() { state_.cancel = true; }
    std::size_t step() const { return state_.step; }
    std::size_t maximum() const { return state_.maximum; }
    // The outcome of the scan that finished last.
    ImportScanResult takeResult() { return std::move(result_); }

signals:
    // On the thread that started the scan.
    void finished();

private:
    void join();

    ScanProgressState state_;
    std::thread thread_;
    ImportScanResult result_;
    bool running_ = false;
};

} // namespace tessaro::tools
