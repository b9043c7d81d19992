#include "colorlist/color_list_panel.h"

#include "colorlist/color_list_commands.h"
#include "colorlist/color_list_view.h"
#include "controls/flat_button.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QProgressBar>
#include <QToolButton>

namespace tessaro::colorlist {

namespace {

constexpr QSize kListSize(172, 305);
constexpr int kButtonTop = 306;
constexpr int kButtonHeight = 16;

} // namespace

ColorListPanel::ColorListPanel(ColorListCommands& commands, QWidget* parent)
    : QWidget(parent), commands_(commands), view_(new ColorListView(this)), progress_(new QProgressBar(this)),
      menu_(new QMenu(this))
{
    setObjectName(QStringLiteral("colorListPanel"));
    view_->setModel(&commands_.model());
    view_->setGeometry(QRect(QPoint(0, 0), kListSize));

    const std::pair<const char*, const char*> buttons[] = {
        {"newListButton", "New"}, {"openListButton", "Open..."}, {"saveListButton", "Save"}};
    int left = 0;
    for (const auto& [name, text] : buttons) {
        auto* button = new controls::FlatButton(QString::fromLatin1(text), this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(left, kButtonTop, 56, kButtonHeight);
        left += 58;
    }
    connect(findChild<controls::FlatButton*>(QStringLiteral("newListButton")), &controls::FlatButton::clicked, &commands_,
            &ColorListCommands::New);
    connect(findChild<controls::FlatButton*>(QStringLiteral("openListButton")), &controls::FlatButton::clicked, &commands_,
            &ColorListCommands::Open);
    connect(findChild<controls::FlatButton*>(QStringLiteral("saveListButton")), &controls::FlatButton::clicked, &commands_,
            &ColorListCommands::Save);

    progress_->setObjectName(QStringLiteral("listProgress"));
    progress_->setGeometry(0, kButtonTop, kListSize.width(), kButtonHeight);
    progress_->setTextVisible(false);
    progress_->hide();
    commands_.setProgress([this](int lines, int line) { showProgress(lines, line); });

    connect(view_, &ColorListView::colorDropped, &commands_, &ColorListCommands::DropColor);
    connect(view_, &ColorListView::entryMoved, &commands_, &ColorListCommands::MoveEntry);
    connect(view_, &ColorListView::entryDoubleClicked, &commands_, &ColorListCommands::MakeMainColor);
    connect(view_, &ColorListView::deletePressed, this, &ColorListPanel::DeleteSelected);

    buildMenu();
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { menu_->popup(view_->viewport()->mapToGlobal(at)); });
}

void ColorListPanel::buildMenu()
{
    menu_->setObjectName(QStringLiteral("ColorListPM"));
    menu_->addAction(QStringLiteral("&New List"), &commands_, &ColorListCommands::New)
        ->setObjectName(QStringLiteral("newListAction"));
    menu_->addAction(QStringLiteral("&Open List..."), &commands_, &ColorListCommands::Open)
        ->setObjectName(QStringLiteral("openListAction"));
    menu_->addAction(QStringLiteral("&Save List"), &commands_, &ColorListCommands::Save)
        ->setObjectName(QStringLiteral("saveListAction"));
    menu_->addAction(QStringLiteral("Save List &As..."), &commands_, &ColorListCommands::SaveAs)
        ->setObjectName(QStringLiteral("saveListAsAction"));
    menu_->addSeparator();
    QMenu* exportMenu = menu_->addMenu(QStringLiteral("&Export"));
    exportMenu->setObjectName(QStringLiteral("listExportMenu"));
    for (const char* text : {"as HTML", "as ACO", "as PAL"})
        exportMenu->addAction(QString::fromLatin1(text))->setEnabled(false);
    menu_->addSeparator();
    QMenu* styleMenu = menu_->addMenu(QStringLiteral("&Color List Style"));
    styleMenu->setObjectName(QStringLiteral("listStyleMenu"));
    auto* group = new QActionGroup(this);
    const std::pair<const char*, ListStyle> styles[] = {
        {"&Big", ListStyle::Big}, {"&Small", ListStyle::Small}, {"&Medium", ListStyle::Medium}};
    int i = 0;
    for (const auto& [text, style] : styles) {
        QAction* action = styleMenu->addAction(QString::fromLatin1(text));
        action->setCheckable(true);
        action->setActionGroup(group);
        const ListStyle chosen = style;
        connect(action, &QAction::triggered, this, [this, chosen] { setListStyle(chosen); });
        styleActions_[i++] = action;
    }
    styleActions_[0]->setChecked(true);
    menu_->addSeparator();
    allowDuplicates_ = menu_->addAction(QStringLiteral("Allo&w Duplicates"));
    allowDuplicates_->setObjectName(QStringLiteral("allowDuplicatesAction"));
    allowDuplicates_->setCheckable(true);
    connect(allowDuplicates_, &QAction::toggled, &commands_, &ColorListCommands::setAllowDuplicates);
    menu_->addAction(QStringLiteral("Re&move Duplicates"), &commands_, &ColorListCommands::RemoveDuplicates)
        ->setObjectName(QStringLiteral("removeDuplicatesAction"));
}

ListStyle ColorListPanel::listStyle() const
{
    return view_->listStyle();
}

void ColorListPanel::setListStyle(ListStyle style)
{
    view_->setListStyle(style);
    styleActions_[int(style) - 1]->setChecked(true);
}

void ColorListPanel::setAllowDuplicates(bool allow)
{
    allowDuplicates_->setChecked(allow);
    commands_.setAllowDuplicates(allow);
}

void ColorListPanel::DeleteSelected()
{
    if (commands_.DeleteRows(view_->selectedRows()))
        view_->clearSelection();
}

void ColorListPanel::showProgress(int lines, int line)
{
    if (line < 0) {
        progress_->hide();
        return;
    }
    progress_->setMaximum(std::max(lines, 1));
    progress_->setValue(line);
    if (!progress_->isVisible()) {
        progress_->show();
        progress_->raise();
    }
    progress_->repaint();
}

} // namespace tessaro::colorlist
