#include "tools/import_scan.h"

#include "engine/scan_text.h"

#include <QFile>
#include <QFileInfo>
#include <QMetaObject>

#include <new>

namespace tessaro::tools {

namespace {

struct ScanCancelled {};

// The whole file, or the reason it could not be read. Only regular files
// are opened: a FIFO would wait for a writer, a folder has no text.
QByteArray ReadWholeFile(const QString& path, QString& error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        error = QStringLiteral("Cannot open file \"%1\". The file does not exist.").arg(path);
        return {};
    }
    if (!info.isFile()) {
        error = QStringLiteral("Cannot open file \"%1\". It is not a file.").arg(path);
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString());
        return {};
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        error = QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString());
    return bytes;
}

} // namespace

ImportScanResult RunImportScan(const ImportSource& source, const std::vector<std::string>& known,
                               bool allowDuplicates, ScanProgressState& state)
{
    ImportScanResult result;
    try {
        QByteArray bytes;
        if (!source.path.isEmpty()) {
            bytes = ReadWholeFile(source.path, result.fileError);
            if (!result.fileError.isEmpty())
                return result;
        } else {
            bytes = source.text.toUtf8();
        }
        const std::string_view view(bytes.constData(), std::size_t(bytes.size()));
        const ScanText text = source.path.isEmpty()
                                  ? ScanText(view, ByteEncoding::Utf8, LineBreaks::AsTheyAre)
                                  : ScanText::FromFileBytes(view, LineBreaks::CrLfBetweenLines);
        const HashScanResult scanned = ScanHashColors(
            text, known, allowDuplicates,
            [&result](std::string_view entry) { result.added.emplace_back(entry); },
            [&state](std::size_t step, std::size_t maximum) {
                state.maximum.store(maximum, std::memory_order_relaxed);
                state.step.store(step, std::memory_order_relaxed);
                if (state.cancel.load(std::memory_order_relaxed))
                    throw ScanCancelled{};
            });
        result.sawHash = scanned.sawHash;
    } catch (const ScanCancelled&) {
        result.added.clear();
        result.cancelled = true;
    } catch (const std::bad_alloc&) {
        result.added.clear();
        result.fileError = QStringLiteral("Not enough memory to scan this text.");
    }
    return result;
}

ImportScan::ImportScan(QObject* parent) : QObject(parent) {}

ImportScan::~ImportScan()
{
    cancel();
    join();
}

void ImportScan::join()
{
    if (thread_.joinable())
        thread_.join();
}

bool ImportScan::start(ImportSource source, std::vector<std::string> known, bool allowDuplicates)
{
    if (running_)
        return false;
    join();
    running_ = true;
    state_.step = 0;
    state_.maximum = 0;
    state_.cancel = false;
    thread_ = std::thread([this, source = std::move(source), known = std::move(known), allowDuplicates] {
        ImportScanResult result = RunImportScan(source, known, allowDuplicates, state_);
        QMetaObject::invokeMethod(
            this,
            [this, result = std::move(result)]() mutable {
                join();
                result_ = std::move(result);
                running_ = false;
                emit finished();
            },
            Qt::QueuedConnection);
    });
    return true;
}

} // namespace tessaro::tools
