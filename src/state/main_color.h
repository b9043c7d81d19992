// The program's one main colour: its state, the update cycle, the colour
// name list and the history that records it. Every window that shows or
// changes the main colour holds a reference to this object.
#pragma once

#include "colorlist/history_list_model.h"
#include "state/main_color_state.h"

#include <QObject>
#include <QString>

#include <string>

namespace tessaro::workspace {

class MainColor : public QObject {
    Q_OBJECT
public:
    explicit MainColor(QObject* parent = nullptr);

    const MainColorState& state() const { return state_; }
    TColor current() const { return state_.mainColor; }

    // Makes the colour the main colour and runs the update cycle; the
    // RGB sliders follow. Records nothing.
    void set(TColor color);
    // A typed value or a dragged slider: the bytes (or the HSL values) and
    // the update cycle. Records nothing.
    void setRgb(RgbTriple rgb);
    void setHsl(HslTriple hsl);
    // The update cycle after the bytes (or the HSL values) were set.
    void UpdateFromRgb();
    void UpdateFromHsl();

    // Records the main colour as a history step.
    void RecordHistoryStep();
    // A command's colour: made the main colour, then recorded.
    void setAndRecord(TColor color);
    colorlist::HistoryListModel& history() { return *history_; }
    const colorlist::HistoryListModel& history() const { return *history_; }

    // The Variations window opened or closed: while open the derivation
    // includes the variation grid, and opening derives it at once.
    void setVariationsOpen(bool open);

    // Reads the colour name list once; false when the file is missing or
    // unreadable (colours then have no names).
    bool LoadColorNames(const QString& path);
    // From now on colour names are looked up.
    void SetReady();
    bool isReady() const { return state_.ready; }

signals:
    // The update cycle ran: everything derived from the colour is new.
    void changed();
    // set() made a colour the main colour (the RGB sliders follow it).
    void colorSet(TColor color);

private:
    const KeyValueText* nameLookup() const;

    MainColorState state_;
    std::string decimalSeparator_;
    colorlist::HistoryListModel* history_;
};

} // namespace tessaro::workspace
