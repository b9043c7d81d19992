#include "colorlist/history_window.h"

#include "colorlist/history_step_delegate.h"
#include "controls/title_bar.h"
#include "platform/text_files.h"

#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

namespace tessaro::colorlist {

namespace {

const QColor kFrameColor(0xC0, 0xC0, 0xC0);

// The main window's shortcuts that also work in the step list.
bool IsMainWindowShortcut(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_F1:
    case Qt::Key_F5:
    case Qt::Key_F7:
    case Qt::Key_F8:
    case Qt::Key_F12:
        return true;
    default:
        break;
    }
    if (!modifiers.testFlag(Qt::ControlModifier))
        return false;
    switch (key) {
    case Qt::Key_A:
    case Qt::Key_C:
    case Qt::Key_N:
    case Qt::Key_O:
    case Qt::Key_R:
    case Qt::Key_S:
    case Qt::Key_T:
    case Qt::Key_W:
    case Qt::Key_X:
    case Qt::Key_Y:
    case Qt::Key_Z:
        return true;
    default:
        return false;
    }
}

} // namespace

HistoryWindow::HistoryWindow(const platform::Platform& platform, HistoryHooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint),
      platform_(platform),
      hooks_(std::move(hooks)),
      model_(new HistoryListModel(this)),
      fadeTimer_(this)
{
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(QStringLiteral("History"));
    setFixedSize(kWidth, kHeight);
    // Undo and redo show the window; the keyboard stays where the user works.
    setAttribute(Qt::WA_ShowWithoutActivating);

    titleBar_ = new controls::TitleBar(QStringLiteral("History"), kTitleHeight, this);
    titleBar_->setGeometry(0, 0, kWidth, kTitleHeight);
    QToolButton* menuButton =
        titleBar_->addButton(QStringLiteral("historyMenuButton"), QStringLiteral("\u25BC"), tr("Menu"));
    QToolButton* close = titleBar_->addButton(QStringLiteral("closeButton"), QStringLiteral("\u2715"), tr("Close"));
    connect(menuButton, &QToolButton::clicked, this,
            [this, menuButton] { popupMenu(menuButton->mapToGlobal(QPoint(0, menuButton->height()))); });
    connect(close, &QToolButton::clicked, this, &HistoryWindow::closeByHand);
    connect(titleBar_, &controls::TitleBar::moveRequested, this, [this] {
        stayAfterClick();
        platform_.windows->startMove(this);
    });
    connect(titleBar_, &controls::TitleBar::doubleClicked, this, &HistoryWindow::ToggleRollUp);

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
            [this](const QPoint& position) { popupMenu(histbox_->viewport()->mapToGlobal(position)); });
    connect(histbox_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (!index.isValid())
            return;
        model_->setCursor(index.row());
        if (hooks_.setMainColor)
            hooks_.setMainColor(log().colorAt(index.row()));
    });

    buildMenu();

    fadeTimer_.setObjectName(QStringLiteral("fadeTimer"));
    fadeTimer_.setInterval(kTickMs);
    connect(&fadeTimer_, &QTimer::timeout, this, &HistoryWindow::FadeTick);
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::buildMenu()
{
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("HistoryPM"));
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

void HistoryWindow::popupMenu(const QPoint& globalPosition)
{
    menu_->popup(globalPosition);
}

void HistoryWindow::RecordHistoryStep(TColor color)
{
    model_->record(color);
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
    show();
    makeOpaque();
    if (autoClose_)
        startFade(kCountdownAfterStep);
}

void HistoryWindow::applyStep(std::optional<int> row)
{
    if (!row)
        return;
    selectStep(*row);
    if (hooks_.setMainColor)
        hooks_.setMainColor(log().colorAt(*row));
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
        fadeTimer_.stop();
        makeOpaque();
    }
}

void HistoryWindow::makeOpaque()
{
    opacity_ = 255;
    platform_.windows->setOpacity(this, opacity_);
}

void HistoryWindow::startFade(int countdown)
{
    fadeCountdown_ = countdown;
    fadeTimer_.start();
}

void HistoryWindow::stayAfterClick()
{
    makeOpaque();
    fadeCountdown_ = kCountdownAfterClick;
}

void HistoryWindow::FadeTick()
{
    if (!autoClose_)
        return;
    if (fadeCountdown_ > 0) {
        --fadeCountdown_;
        if (fadeCountdown_ > 0)
            return;
    }
    opacity_ = std::max(0, opacity_ - kFadeStep);
    platform_.windows->setOpacity(this, opacity_);
    if (opacity_ == 0) {
        fadeTimer_.stop();
        hide();
    }
}

void HistoryWindow::closeByHand()
{
    fadeTimer_.stop();
    hide();
}

void HistoryWindow::DeleteSelected()
{
    const QModelIndexList selected = histbox_->selectionModel()->selectedIndexes();
    // Nothing selected: nothing to ask about, and the cursor stays.
    if (selected.isEmpty())
        return;
    if (platform_.dialogs->askYesNo(this, QStringLiteral("Remove?"),
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
    if (platform_.dialogs->askYesNo(this, QStringLiteral("Clear All?"), QStringLiteral("Are you sure to clear all?")) !=
        platform::Answer::Yes)
        return;
    model_->clear();
}

std::optional<TColor> HistoryWindow::LoadHistoryFile(const QString& path)
{
    const std::optional<QStringList> lines = platform::ReadTextLines(path);
    if (!lines)
        return std::nullopt;
    const HistoryLog::LoadResult result = model_->loadLines(*lines);
    if (result.recorded > 0)
        histbox_->scrollToBottom();
    if (result.error)
        platform_.dialogs->error(this, QStringLiteral("KT Tessaro"), *result.error);
    if (result.recorded == 0)
        return std::nullopt;
    return log().colorAt(log().count() - 1);
}

bool HistoryWindow::SaveHistoryFile(const QString& path) const
{
    return platform::WriteTextLines(path, log().Lines());
}

void HistoryWindow::DockToMainWindow()
{
    if (!hooks_.mainWindowGeometry)
        return;
    const QRect main = hooks_.mainWindowGeometry();
    move(main.left() - width(), main.top());
}

void HistoryWindow::ToggleRollUp()
{
    rolledUp_ = !rolledUp_;
    histbox_->setVisible(!rolledUp_);
    setFixedHeight(rolledUp_ ? kRolledUpHeight : kHeight);
}

bool HistoryWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        DockToMainWindow();
    return QWidget::event(event);
}

void HistoryWindow::showEvent(QShowEvent* event)
{
    DockToMainWindow();
    // A window the fade left transparent comes back visible.
    if (opacity_ != 255)
        makeOpaque();
    QWidget::showEvent(event);
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == histbox_->viewport() && event->type() == QEvent::MouseButtonPress) {
        stayAfterClick();
        return false;
    }
    if (watched == histbox_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete) {
            DeleteSelected();
            return true;
        }
        if (IsMainWindowShortcut(key->key(), key->modifiers()) && hooks_.shortcut)
            return hooks_.shortcut(key->key(), key->modifiers());
    }
    return QWidget::eventFilter(watched, event);
}

void HistoryWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(kFrameColor);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tessaro::colorlist
