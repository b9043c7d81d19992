#include "workspace/wheel_style_chooser.h"

#include "controls/title_bar.h"
#include "workspace/wheel_section.h"
#include "workspace/wheel_style.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>

namespace tessaro::workspace {

namespace {

constexpr int kSectionTitleHeight = 16;
constexpr int kDoneHeight = 23;

} // namespace

WheelStyleChooser::WheelStyleChooser(const platform::Platform& platform, WheelSection& wheel, const QString& folder,
                                     QWidget* parent)
    : controls::ToolWindow(platform, QStringLiteral("Load Wheel Style"), QSize(kWidth, kHeight), kTitleHeight,
                           Qt::Tool, parent),
      wheel_(wheel),
      folder_(folder),
      files_(new QListWidget(this)),
      done_(new QPushButton(QStringLiteral("Done"), this))
{
    setObjectName(QStringLiteral("WheelStyleChooser"));
    addCloseButton();

    auto* section = new controls::SectionTitleBar(QStringLiteral(" Color Wheel Styles"), this);
    section->setGeometry(1, kTitleHeight, kWidth - 2, kSectionTitleHeight);
    const int listTop = kTitleHeight + kSectionTitleHeight;
    const int doneTop = kHeight - kDoneHeight - 5;
    files_->setObjectName(QStringLiteral("wheelStyleFiles"));
    files_->setGeometry(4, listTop + 2, kWidth - 8, doneTop - listTop - 6);
    files_->setSelectionMode(QAbstractItemView::SingleSelection);
    done_->setObjectName(QStringLiteral("wheelStyleDone"));
    done_->setGeometry(kWidth - 79, doneTop, 75, kDoneHeight);

    connect(files_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        Choose(pathOfRow(files_->row(item)));
    });
    connect(files_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        Choose(pathOfRow(files_->row(item)));
        hide();
    });
    connect(done_, &QPushButton::clicked, this, [this] {
        if (QListWidgetItem* item = files_->currentItem(); item && item->isSelected())
            Choose(pathOfRow(files_->row(item)));
        hide();
    });
}

void WheelStyleChooser::readFiles()
{
    files_->clear();
    const QStringList names =
        QDir(folder_).entryList({QStringLiteral("*.whl")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    files_->addItems(names);
    // The style in use is the list's current row (none when it is not in
    // the folder), so the list opens where the user left it.
    const QFileInfo inUse(lastWheelStyle_);
    const int row = !lastWheelStyle_.isEmpty() && QFileInfo(folder_) == QFileInfo(inUse.absolutePath())
                        ? int(names.indexOf(inUse.fileName()))
                        : -1;
    files_->setCurrentRow(row);
    if (row >= 0)
        files_->scrollToItem(files_->item(row));
}

QString WheelStyleChooser::pathOfRow(int row) const
{
    if (row < 0 || row >= files_->count())
        return {};
    return folder_ + files_->item(row)->text();
}

void WheelStyleChooser::Open(QWidget* main)
{
    readFiles();
    move(main->x() + main->width() / 2 - width() / 2, main->y() + 50);
    setWindowModality(Qt::ApplicationModal);
    platform().windows->showToolWindow(this);
    activateWindow();
}

bool WheelStyleChooser::ApplyWheelStyle(const QString& path)
{
    return ApplyStyleFile(platform(), wheel_, path, isVisible() ? static_cast<QWidget*>(this) : wheel_.window());
}

bool WheelStyleChooser::ApplyStyleFile(const platform::Platform& platform, WheelSection& wheel, const QString& path,
                                       QWidget* parent)
{
    const std::optional<WheelStyle> style = ReadWheelStyleFile(QFile::encodeName(path).toStdString());
    if (!style)
        return false;
    wheel.ApplyStyle(*style);
    if (style->error) {
        platform.dialogs->error(parent, QStringLiteral("KT Tessaro"), QString::fromStdString(*style->error));
        return false;
    }
    return true;
}

void WheelStyleChooser::Choose(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    if (ApplyWheelStyle(path))
        lastWheelStyle_ = path;
}

void WheelStyleChooser::ApplyRemembered(const QString& path)
{
    if (const QString kept = ApplyRememberedTo(platform(), wheel_, path); !kept.isEmpty())
        lastWheelStyle_ = kept;
}

QString WheelStyleChooser::ApplyRememberedTo(const platform::Platform& platform, WheelSection& wheel,
                                             const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    ApplyStyleFile(platform, wheel, path, wheel.window());
    return path;
}

} // namespace tessaro::workspace
