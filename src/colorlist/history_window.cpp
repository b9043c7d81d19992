#include "colorlist/history_window.h"

#include "colorlist/history_step_delegate.h"
#include "controls/shortcuts.h"
#include "state/main_color.h"

#include <QKeyEvent>
#include <QListView>
#include <QMenu>

namespace tessaro::colorlist {

HistoryWindow::HistoryWindow(const platform::Platform& platform, workspace::MainColor& mainColor,
                             controls::CommandHandlers& commands, QWidget* parent)
    : controls::ToolWindow(platform, QStringLiteral("History"), QSize(kWidth, kHeight), kTitleHeight, Qt::Tool, parent),
      mainColor_(mainColor),
      model_(&mainColor.history())
{
    setObjectName(QStringLiteral("HistoryWindow"));
    // Undo and redo show the window; the keyboard stays where the user works.
    setAttribute(Qt::WA_ShowWithoutActivating);

    buildMenu();
    addMenuButton(QStringLiteral("historyMenuButton"), menu_);
    addCloseButton();

    histbox_ = new QListView(this);
    histbox_->setObjectName(QStringLiteral("histbox"));
    histbox_->setGeometry(1, kTitleHeight, kWidth - 2, kHeight - kTitleHeight - 1);
    histbox_->setFrameShape(QFrame::NoFrame);
    histbox_->setModel(model_);
    histbox_->setItemDelegate(new HistoryStepDelegate(histbox_));
    histbox_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    histbox_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every row has the same height: long histories lay out at once.
    histbox_->setUniformItemSizes(true);
    histbox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    histbox_->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette palette = histbox_->palette();
    palette.setColor(QPalette::Base, Qt::white);
    histbox_->setPalette(palette);
    histbox_->installEventFilter(this);
    histbox_->viewport()->installEventFilter(this);
    connect(histbox_, &QListView::customContextMenuRequested, this,
            [this](const QPoint& position) { menu_->popup(histbox_->viewport()->mapToGlobal(position)); });
    connect(histbox_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (!index.isValid())
            return;
        model_->setCursor(index.row());
        mainColor_.set(log().colorAt(index.row()));
    });

    commands.set(controls::Command::Undo, [this] { Undo(); });
    commands.set(controls::Command::Redo, [this] { Redo(); });
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::buildMenu()
{
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("HistoryPM"));
    // Opening the menu (from the title bar or the list) is a use of the
    // window, as a click in it is.
    connect(menu_, &QMenu::aboutToShow, this, &HistoryWindow::stayAfterClick);
    menu_->addAction(QStringLiteral("Delete Selected"), this, &HistoryWindow::DeleteSelected)
        ->setObjectName(QStringLiteral("deleteSelectedAction"));
    menu_->addAction(QStringLiteral("Clear History"), this, &HistoryWindow::ClearHistory)
        ->setObjectName(QStringLiteral("clearHistoryAction"));
    menu_->addSeparator();
    autoCloseAction_ = menu_->addAction(QStringLiteral("Auto Close"));
    autoCloseAction_->setObjectName(QStringLiteral("autoCloseAction"));
    autoCloseAction_->setCheckable(true);
    autoCloseAction_->setChecked(autoClose_);
    connect(autoCloseAction_, &QAction::triggered, this, &HistoryWindow::setAutoClose);
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("Close"), this, &HistoryWindow::closeByHand)
        ->setObjectName(QStringLiteral("closeAction"));
}

void HistoryWindow::Undo()
{
    showForStep();
    applyStep(model_->undo());
}

void HistoryWindow::Redo()
{
    showForStep();
    applyStep(model_->redo());
}

void HistoryWindow::showForStep()
{
    // Also out of a minimised state, which a tool window cannot leave by itself.
    platform().windows->showToolWindow(this);
    setOpacityLevel(255);
    if (autoClose_)
        startFade(kCountdownAfterStep);
}

void HistoryWindow::applyStep(std::optional<int> row)
{
    if (!row)
        return;
    selectStep(*row);
    mainColor_.set(log().colorAt(*row));
}

void HistoryWindow::selectStep(int row)
{
    const QModelIndex index = model_->index(row);
    histbox_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    histbox_->scrollTo(index);
}

void HistoryWindow::setAutoClose(bool on)
{
    autoCloseAction_->setChecked(on);
    if (autoClose_ == on)
        return;
    autoClose_ = on;
    if (on) {
        // A hidden window has nothing to fade.
        if (isVisible())
            startFade(kCountdownAfterStep);
    } else {
        stopFade();
        setOpacityLevel(255);
    }
}

void HistoryWindow::stayAfterClick()
{
    holdFade(kCountdownAfterClick);
}

void HistoryWindow::DeleteSelected()
{
    const QModelIndexList selected = histbox_->selectionModel()->selectedIndexes();
    // Nothing selected: nothing to ask about, and the cursor stays.
    if (selected.isEmpty())
        return;
    if (platform().dialogs->askYesNo(this, QStringLiteral("Remove?"),
                                     QStringLiteral("Are you sure to remove selected history step?")) !=
        platform::Answer::Yes)
        return;
    QList<int> rows;
    rows.reserve(selected.size());
    for (const QModelIndex& index : selected)
        rows.append(index.row());
    model_->removeSteps(rows);
}

void HistoryWindow::ClearHistory()
{
    if (platform().dialogs->askYesNo(this, QStringLiteral("Clear All?"), QStringLiteral("Are you sure to clear all?")) !=
        platform::Answer::Yes)
        return;
    model_->clear();
}

std::optional<TColor> HistoryWindow::LoadHistoryFile(const QString& path)
{
    const HistoryLog::LoadResult result = model_->loadFile(file_, path);
    // Scrolling makes the list lay out every row: a hidden window waits
    // until it is shown, so a long history does not slow the start-up.
    if (result.recorded > 0) {
        if (isVisible())
            histbox_->scrollToBottom();
        else
            scrollToNewestOnShow_ = true;
    }
    if (result.error)
        platform().dialogs->error(this, QStringLiteral("KT Tessaro"), *result.error);
    if (result.recorded == 0)
        return std::nullopt;
    return log().colorAt(log().count() - 1);
}

bool HistoryWindow::SaveHistoryFile(const QString& path)
{
    return file_.Save(path, log());
}

void HistoryWindow::showEvent(QShowEvent* event)
{
    ToolWindow::showEvent(event);
    if (scrollToNewestOnShow_) {
        scrollToNewestOnShow_ = false;
        histbox_->scrollToBottom();
    }
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == histbox_->viewport() && event->type() == QEvent::MouseButtonPress) {
        stayAfterClick();
        return false;
    }
    if (watched == histbox_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        DeleteSelected();
        return true;
    }
    return ToolWindow::eventFilter(watched, event);
}

} // namespace tessaro::colorlist
