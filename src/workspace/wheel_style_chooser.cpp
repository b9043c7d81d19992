#include "workspace/wheel_style_chooser.h"

#include "controls/title_bar.h"
#include "workspace/section_frame.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QToolButton>

namespace tessaro::workspace {

WheelStyleChooser::WheelStyleChooser(const platform::Platform& platform, const QString& folder,
                                     std::function<bool(const QString&)> apply, QWidget* parent)
    : controls::ToolWindow(platform, QStringLiteral("Load Wheel Style"), QSize(kWidth, kHeight), kTitleHeight,
                           Qt::Tool, parent),
      folder_(folder),
      apply_(std::move(apply)),
      files_(new QListWidget(this)),
      done_(new QToolButton(this))
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowModality(Qt::ApplicationModal);
    setRestoredHeight(kRestoredHeight);
    addCloseButton();
    auto* section = new SectionFrame(QStringLiteral("stylesTitle"), QStringLiteral(" Color Wheel Styles"),
                                     QRect(4, 23, kWidth - 8, 190), this);
    files_->setParent(section);
    files_->setObjectName(QStringLiteral("FileListBox1"));
    files_->setGeometry(4, 20, section->width() - 8, section->height() - 24);
    done_->setObjectName(QStringLiteral("doneButton"));
    done_->setText(QStringLiteral("Done"));
    done_->setAutoRaise(true);
    done_->setGeometry(kWidth - 64, 217, 56, 20);

    connect(files_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { Choose(pathOf(files_->row(item))); });
    connect(files_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        Choose(pathOf(files_->row(item)));
        closeByHand();
    });
    connect(done_, &QToolButton::clicked, this, &WheelStyleChooser::Done);
}

QString WheelStyleChooser::pathOf(int row) const
{
    if (row < 0 || row >= files_->count())
        return {};
    return folder_ + files_->item(row)->text();
}

void WheelStyleChooser::Choose(const QString& path)
{
    // A file gone since the list was read is ignored.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    if (apply_(path))
        lastWheelStyle_ = path;
}

void WheelStyleChooser::Restore(const QString& path)
{
    if (!path.isEmpty())
        Choose(path);
}

void WheelStyleChooser::Done()
{
    if (files_->currentRow() >= 0 && files_->currentItem()->isSelected())
        Choose(pathOf(files_->currentRow()));
    closeByHand();
}

void WheelStyleChooser::readFolder()
{
    files_->clear();
    files_->addItems(QDir(folder_).entryList({QStringLiteral("*.whl")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void WheelStyleChooser::ShowOver(const QWidget* anchor)
{
    readFolder();
    if (anchor)
        move(anchor->x() + anchor->width() / 2 - width() / 2, anchor->y() + 50);
    platform().windows->showToolWindow(this);
}

} // namespace tessaro::workspace
