// Keeps the recovery file of the colour list current while the list has
// unsaved changes, so that a crash or a power loss loses next to none of
// them: a moment after a change the list is written, off the event loop's
// thread; once the list has no unsaved changes again (saved, another list
// loaded, a new list) the file is removed. A recovery file it did not
// write (one of an earlier run, still to be offered) is left alone.
#pragma once

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

namespace tessaro::colorlist {

class ColorListModel;

class ListRecoveryWriter : public QObject {
    Q_OBJECT
public:
    // Long enough that a burst of changes (a paste, a drag) is written once.
    static constexpr int kDelayMs = 1500;

    // Watches `model` from now on; a list that already has unsaved changes
    // is written after the delay.
    ListRecoveryWriter(const ColorListModel& model, QString path, int delayMs = kDelayMs,
                       QObject* parent = nullptr);
    // Waits for a write under way.
    ~ListRecoveryWriter() override;

    // The program ends without its close question (a signal at logout):
    // the list is written now if it has unsaved changes, and the file is
    // removed if it has none. Returns once it is done.
    void WriteNow();
    // The user has dealt with the changes (saved them or let them go): no
    // recovery file is left, and none is written later.
    void Discard();

signals:
    // A write or removal has finished on the writing thread; `present` tells
    // whether the file is now there.
    void fileUpdated(bool present);

private:
    void scheduleWrite();
    void writeOrRemove();
    void scheduleRemoval();

    const ColorListModel& model_;
    QString path_;
    QTimer delay_;
    // One thread, so writes and removals reach the disk in the order made.
    QThreadPool disk_;
    bool filePresent_ = false;
    // The program is ending: nothing more is written.
    bool ending_ = false;
};

} // namespace tessaro::colorlist
