#include "colorlist/reopen_window.h"

#include "colorlist/color_list_commands.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>

namespace tessaro::colorlist {

ReopenWindow::ReopenWindow(const platform::Platform& platform, ColorListCommands& list, QWidget* parent)
    : controls::ToolWindow(platform, QStringLiteral("Reopen"), QSize(kWidth, kHeight), kTitleHeight, Qt::Tool, parent),
      list_(list),
      lines_(new QListWidget(this)),
      menu_(new QMenu(this))
{
    setObjectName(QStringLiteral("ReopenWindow"));
    menu_->setObjectName(QStringLiteral("ReopenPM"));
    menu_->addAction(QStringLiteral("Delete Selected"), this, &ReopenWindow::DeleteSelected);
    menu_->addAction(QStringLiteral("Clear All"), this, &ReopenWindow::ClearAll);
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("Close"), this, &ReopenWindow::hide);
    addMenuButton(QStringLiteral("reopenMenuButton"), menu_);
    addCloseButton();

    lines_->setObjectName(QStringLiteral("reopenList"));
    lines_->setGeometry(1, kTitleHeight, kWidth - 2, kHeight - kTitleHeight - 1);
    lines_->setFrameShape(QFrame::NoFrame);
    lines_->setSelectionMode(QAbstractItemView::SingleSelection);
    lines_->setContextMenuPolicy(Qt::CustomContextMenu);
    lines_->installEventFilter(this);
    connect(lines_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { menu_->popup(lines_->viewport()->mapToGlobal(at)); });
    connect(lines_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { OpenLine(lines_->row(item)); });

    const QString current = list_.model().currentListPath();
    if (!current.isEmpty() && !list_.isDefaultList(current))
        list_.reopenList().RememberListFile(current);
    for (const QString& path : list_.reopenList().paths())
        lines_->addItem(ReopenList::ShortLine(path));
    connect(&list_, &ColorListCommands::remembered, this,
            [this](const QString& path) { lines_->addItem(ReopenList::FileNameLine(path)); });
}

void ReopenWindow::Toggle()
{
    if (isVisible() && isActiveWindow()) {
        hide();
        return;
    }
    platform().windows->showToolWindow(this);
    activateWindow();
}

void ReopenWindow::OpenLine(int row)
{
    const QStringList& paths = list_.reopenList().paths();
    if (row < 0 || row >= paths.size())
        return;
    // Asked over this window, so the keyboard stays here afterwards (the
    // Delete key acts on the line just clicked).
    list_.OpenListFileAsking(paths.at(row), QStringLiteral("Load?"), QStringLiteral("Are you sure to load a color list?"),
                             this);
}

void ReopenWindow::DeleteSelected()
{
    const int row = lines_->currentRow();
    if (row < 0 || !lines_->currentItem()->isSelected())
        return;
    if (platform().dialogs->askYesNo(this, QStringLiteral("Remove?"),
                                     QStringLiteral("Are you sure to remove selected shortcut?\r"
                                                    "(This will not delete the original file.)")) !=
        platform::Answer::Yes)
        return;
    delete lines_->takeItem(row);
    list_.reopenList().remove(row);
}

void ReopenWindow::ClearAll()
{
    if (platform().dialogs->askYesNo(this, QStringLiteral("Clear All?"), QStringLiteral("Are you sure to clear all?")) !=
        platform::Answer::Yes)
        return;
    lines_->clear();
    list_.reopenList().clear();
}

bool ReopenWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lines_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        DeleteSelected();
        return true;
    }
    return ToolWindow::eventFilter(watched, event);
}

} // namespace tessaro::colorlist
