// The Color Mixer: four colour slots, each with an amount from 0 to 100,
// mixed into one colour. Colours are dropped on the slots from anywhere in
// the program; the slots and the mixed colour are dragged out at once when
// the left button goes down on them.
#pragma once

#include "controls/tool_window.h"
#include "tools/color_mix.h"
#include "state/settings_table.h"

#include <QMap>

#include <array>

class QLabel;
class QScrollBar;

namespace tessaro::controls {
class Swatch;
}

namespace tessaro::workspace {
class SettingsStore;
}

namespace tessaro::tools {

class MixerWindow : public controls::ToolWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 483;
    static constexpr int kHeight = 229;
    static constexpr int kTitleHeight = 19;
    static constexpr int kPageStep = 5;

    explicit MixerWindow(const platform::Platform& platform, QWidget* parent = nullptr);

    // Slots are numbered 0..3.
    int amount(int slot) const;
    // Moves the slot's scroll bar (clamped to 0..100); a change mixes.
    void setAmount(int slot, int amount);
    TColor slotColor(int slot) const;
    // The slot takes the colour, then the mix runs.
    void setSlotColor(int slot, TColor color);
    TColor mixedColor() const { return mixed_; }
    std::array<MixSlot, kMixSlots> mixSlots() const;

    // Whether reading the settings shows its messages.
    enum class Messages { Shown, Left };
    // Creation from the settings: each stored amount in turn (50 when
    // missing), each stored colour (white when missing), then the mix. A
    // colour that is neither a name nor a number is reported and the slot
    // stays as it was; all amounts zero are reported too. With
    // Messages::Left nothing is reported (ReportStoredSettings did it).
    void ReadSettings(const workspace::SettingsStore& settings, Messages messages = Messages::Shown);
    // The messages ReadSettings would show for these settings, without a
    // window: the program starts with them even when the mixer is not
    // opened.
    static void ReportStoredSettings(const workspace::SettingsStore& settings, platform::Dialogs& dialogs,
                                     QWidget* parent);
    // The amounts in decimal and the colours as named colour texts.
    void WriteSettings(QMap<workspace::Setting, QString>& live) const;

    // Recomputes the mixed colour; with every amount 0 says so and keeps
    // the previous one.
    void Mix();
    QString tipText() const;
    // The tip for a point of the window: the slot tip over a slot, the
    // mixed colour's over it, the window's elsewhere below the title bar.
    QString tipAt(QPoint point) const;
    void clearTip();

    controls::Swatch* slotSwatch(int slot) const { return slots_[std::size_t(slot)].swatch; }
    controls::Swatch* mixedSwatch() const { return mixedSwatch_; }
    QScrollBar* amountBar(int slot) const { return slots_[std::size_t(slot)].bar; }
    QLabel* amountLabel(int slot) const { return slots_[std::size_t(slot)].value; }
    QLabel* excludedMark(int slot) const { return slots_[std::size_t(slot)].excluded; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct Slot {
        controls::Swatch* swatch = nullptr;
        QScrollBar* bar = nullptr;
        QLabel* value = nullptr;
        QLabel* excluded = nullptr;
    };

    void buildSlot(int slot);
    void amountChanged(int slot, int amount);
    void setTip(const QString& text);
    void toFront();

    std::array<Slot, kMixSlots> slots_;
    controls::Swatch* mixedSwatch_ = nullptr;
    QLabel* tips_ = nullptr;
    TColor mixed_ = 0xFFFFFF;
    // While the settings are read again for a mixer opened late: its
    // messages were shown at start-up.
    bool quiet_ = false;
};

} // namespace tessaro::tools
