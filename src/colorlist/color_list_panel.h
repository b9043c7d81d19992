// The colour list's part of the main window: the list view, the flat
// buttons "New", "Open..." and "Save" under it, the progress bar shown
// while an older-form file is read, and the colour list menu.
#pragma once

#include "colorlist/color_list_delegate.h"

#include <QWidget>

class QMenu;
class QProgressBar;
class QAction;

namespace tessaro::colorlist {

class ColorListCommands;
class ColorListView;

class ColorListPanel : public QWidget {
    Q_OBJECT
public:
    ColorListPanel(ColorListCommands& commands, QWidget* parent = nullptr);

    ColorListView* view() const { return view_; }
    QMenu* menu() const { return menu_; }
    QProgressBar* progressBar() const { return progress_; }
    ListStyle listStyle() const;
    // Applies the style and moves the check mark.
    void setListStyle(ListStyle style);
    // Follows the duplicates switch with the check mark.
    void setAllowDuplicates(bool allow);
    // Delete: the selected entries after the question.
    void DeleteSelected();

private:
    void buildMenu();
    void showProgress(int lines, int line);

    ColorListCommands& commands_;
    ColorListView* view_;
    QProgressBar* progress_;
    QMenu* menu_;
    QAction* styleActions_[3] = {};
    QAction* allowDuplicates_ = nullptr;
};

} // namespace tessaro::colorlist
