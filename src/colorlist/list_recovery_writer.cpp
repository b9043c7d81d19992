#include "colorlist/list_recovery_writer.h"

#include "colorlist/color_list_model.h"
#include "colorlist/color_list_recovery.h"

#include <QFile>

namespace tessaro::colorlist {

ListRecoveryWriter::ListRecoveryWriter(const ColorListModel& model, QString path, int delayMs, QObject* parent)
    : QObject(parent), model_(model), path_(std::move(path))
{
    disk_.setMaxThreadCount(1);
    delay_.setSingleShot(true);
    delay_.setInterval(delayMs);
    connect(&delay_, &QTimer::timeout, this, &ListRecoveryWriter::writeOrRemove);
    // A change starts the delay unless it is running already, so a steady
    // stream of changes is still written every delay; the changed mark is
    // looked at only when it runs out, as callers set it after the change.
    connect(&model_, &QAbstractItemModel::rowsInserted, this, &ListRecoveryWriter::scheduleWrite);
    connect(&model_, &QAbstractItemModel::rowsRemoved, this, &ListRecoveryWriter::scheduleWrite);
    connect(&model_, &QAbstractItemModel::rowsMoved, this, &ListRecoveryWriter::scheduleWrite);
    connect(&model_, &QAbstractItemModel::dataChanged, this, &ListRecoveryWriter::scheduleWrite);
    connect(&model_, &QAbstractItemModel::modelReset, this, &ListRecoveryWriter::scheduleWrite);
    connect(&model_, &ColorListModel::listChangedChanged, this, [this](bool changed) {
        if (changed)
            scheduleWrite();
        else
            scheduleRemoval();
    });
    if (model_.listChanged())
        scheduleWrite();
}

ListRecoveryWriter::~ListRecoveryWriter()
{
    disk_.waitForDone();
}

void ListRecoveryWriter::scheduleWrite()
{
    if (!ending_ && !delay_.isActive())
        delay_.start();
}

// The list was saved, loaded or emptied: nothing is left to recover.
void ListRecoveryWriter::scheduleRemoval()
{
    delay_.stop();
    if (!filePresent_)
        return;
    filePresent_ = false;
    disk_.start([this, path = path_] {
        QFile::remove(path);
        QMetaObject::invokeMethod(this, [this] { emit fileUpdated(false); }, Qt::QueuedConnection);
    });
}

void ListRecoveryWriter::writeOrRemove()
{
    if (!model_.listChanged()) {
        scheduleRemoval();
        return;
    }
    filePresent_ = true;
    // The entries are copied here (a shared copy, cheap); the disk's pace,
    // sync included, is the writing thread's alone.
    disk_.start([this, path = path_, listPath = model_.currentListPath(), entries = model_.list().entries()] {
        const bool written = SaveListRecovery(path, listPath, entries);
        QMetaObject::invokeMethod(this, [this, written] { emit fileUpdated(written); }, Qt::QueuedConnection);
    });
}

void ListRecoveryWriter::WriteNow()
{
    delay_.stop();
    disk_.waitForDone();
    if (model_.listChanged()) {
        SaveListRecovery(path_, model_.currentListPath(), model_.list().entries());
        filePresent_ = true;
    } else if (filePresent_) {
        QFile::remove(path_);
        filePresent_ = false;
    }
    ending_ = true;
}

void ListRecoveryWriter::Discard()
{
    ending_ = true;
    delay_.stop();
    disk_.waitForDone();
    QFile::remove(path_);
    filePresent_ = false;
}

} // namespace tessaro::colorlist
