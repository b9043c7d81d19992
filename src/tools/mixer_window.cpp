#include "tools/mixer_window.h"

#include "controls/color_drag.h"
#include "controls/swatch.h"
#include "controls/title_bar.h"
#include "engine/conversion_error.h"
#include "engine/named_color.h"
#include "state/settings_store.h"

#include <QDragEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

namespace tessaro::tools {

namespace {

constexpr int kSlotWidth = 105;
constexpr int kSlotHeight = 49;
constexpr int kSlotLeft = 8;
constexpr int kSlotStep = 118;
constexpr int kSlotTop = 44;
constexpr int kMixedWidth = 225;

const QString kWindowTip = QStringLiteral("To exclude a color, make its amount zero.");
const QString kSlotTip = QStringLiteral("You can drag and drop colors here.");
const QString kMixedTip = QStringLiteral("This is the resulting color. Drag and drop over the color list to add.");

using workspace::Setting;
constexpr std::array kAmountKeys{Setting::MixerAmount1, Setting::MixerAmount2, Setting::MixerAmount3,
                                 Setting::MixerAmount4};
constexpr std::array kColorKeys{Setting::MixerColor1, Setting::MixerColor2, Setting::MixerColor3,
                                Setting::MixerColor4};

// A stored amount, checked: see ReadStoredMixAmount.
StoredMixAmount StoredAmount(const workspace::SettingsStore& settings, workspace::Setting key)
{
    return ReadStoredMixAmount(workspace::KeyOf(key).toStdString(), settings.GetSetting(key).toStdString());
}

QLabel* Label(const QString& text, const QString& name, QRect geometry, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

// The mixer's swatches are filled rectangles with a black frame.
class MixerSwatch : public controls::Swatch {
public:
    explicit MixerSwatch(QWidget* parent) : controls::Swatch(controls::Swatch::Shape::Square, parent) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.fillRect(rect().adjusted(1, 1, -1, -1), ToQColor(color()));
    }
};

// An amount's scroll bar. Its thumb is drawn dark on the light track so the
// amount's place shows at a glance, and framed while the bar has the
// focus. A click gives it the focus, so the arrow keys, Page Up/Down, Home
// and End move the amount; Tab walks the four bars.
class AmountBar : public QScrollBar {
public:
    explicit AmountBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent)
    {
        setFocusPolicy(Qt::StrongFocus);
        // Right and Page Up raise the amount, as on a slider.
        setInvertedControls(false);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QScrollBar::paintEvent(event);
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QRect thumb = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
        QPainter painter(this);
        painter.fillRect(thumb.adjusted(1, 2, -1, -2), QColor(0x5C, 0x76, 0x93));
        if (hasFocus()) {
            painter.setPen(QColor(0x24, 0x30, 0x3C));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
};

} // namespace

MixerWindow::MixerWindow(const platform::Platform& platform, QWidget* parent)
    : controls::ToolWindow(platform, QStringLiteral("Color Mixer"), QSize(kWidth, kHeight), kTitleHeight, Qt::Tool,
                           parent)
{
    setObjectName(QStringLiteral("MixerWindow"));
    titleBar()->setObjectName(QStringLiteral("ustPNL"));
    addCloseButton();
    setAcceptDrops(true);
    setMouseTracking(true);
    for (int slot = 0; slot < kMixSlots; ++slot)
        buildSlot(slot);

    const int mixedLeft = (kWidth - kMixedWidth) / 2;
    Label(QStringLiteral("Mixed Color"), QStringLiteral("mixedTitleLBL"), QRect(mixedLeft, 141, kMixedWidth, 16), this);
    mixedSwatch_ = new MixerSwatch(this);
    mixedSwatch_->setObjectName(QStringLiteral("Shape5"));
    mixedSwatch_->setGeometry(mixedLeft, 158, kMixedWidth, kSlotHeight);
    mixedSwatch_->setMouseTracking(true);
    mixedSwatch_->installEventFilter(this);
    connect(mixedSwatch_, &controls::Swatch::leftPressed, this, [this] {
        controls::ExecColorDrag(mixedSwatch_, mixedSwatch_->color(), colorlist::DragSource::MixerSwatch);
    });

    tips_ = Label(QString(), QStringLiteral("tipsLBL"), QRect(8, 210, kWidth - 16, 16), this);
    tips_->setAcceptDrops(true);
    tips_->setMouseTracking(true);

}

void MixerWindow::buildSlot(int slot)
{
    Slot& s = slots_[std::size_t(slot)];
    const int left = kSlotLeft + slot * kSlotStep;
    const QString number = QString::number(slot + 1);
    Label(QStringLiteral("Color %1").arg(number), QStringLiteral("color%1LBL").arg(number),
          QRect(left, kTitleHeight + 7, kSlotWidth, 16), this);

    s.swatch = new MixerSwatch(this);
    s.swatch->setObjectName(QStringLiteral("Shape%1").arg(number));
    s.swatch->setGeometry(left, kSlotTop, kSlotWidth, kSlotHeight);
    s.swatch->setDropTarget(colorlist::DropTarget::MixerSlot);
    s.swatch->setMouseTracking(true);
    s.swatch->installEventFilter(this);
    connect(s.swatch, &controls::Swatch::colorDropped, this,
            [this, slot](TColor color, colorlist::DragSource) { setSlotColor(slot, color); });
    connect(s.swatch, &controls::Swatch::leftPressed, this, [this, slot] {
        controls::Swatch* swatch = slotSwatch(slot);
        controls::ExecColorDrag(swatch, swatch->color(), colorlist::DragSource::MixerSwatch);
    });

    s.excluded = Label(QStringLiteral("X"), QStringLiteral("X%1LBL").arg(number),
                       QRect(left + kSlotWidth - 14, kSlotTop + 2, 12, 14), this);
    QFont bold = s.excluded->font();
    bold.setBold(true);
    s.excluded->setFont(bold);
    s.excluded->setAttribute(Qt::WA_TransparentForMouseEvents);
    s.excluded->raise();

    Label(slot == 0 ? QStringLiteral("Amount:") : QStringLiteral("Amount"), QStringLiteral("amount%1LBL").arg(number),
          QRect(left, kSlotTop + kSlotHeight + 4, 60, 16), this);
    s.value = Label(QStringLiteral("0"), QStringLiteral("color%1bLBL").arg(number),
                    QRect(left + 60, kSlotTop + kSlotHeight + 4, kSlotWidth - 60, 16), this);
    s.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    s.bar = new AmountBar(this);
    s.bar->setObjectName(QStringLiteral("ScrollBar%1").arg(number));
    s.bar->setRange(0, kMaxMixAmount);
    s.bar->setSingleStep(1);
    s.bar->setPageStep(kPageStep);
    s.bar->setGeometry(left, kSlotTop + kSlotHeight + 22, kSlotWidth, 17);
    connect(s.bar, &QScrollBar::valueChanged, this, [this, slot](int amount) { amountChanged(slot, amount); });
}

void MixerWindow::ReadSettings(const workspace::SettingsStore& settings, Messages messages)
{
    quiet_ = messages == Messages::Left;
    for (int slot = 0; slot < kMixSlots; ++slot) {
        const StoredMixAmount stored = StoredAmount(settings, kAmountKeys[std::size_t(slot)]);
        if (!stored.problem.empty() && !quiet_)
            platform().dialogs->error(this, QStringLiteral("KT Tessaro"), QString::fromStdString(stored.problem));
        setAmount(slot, stored.amount);
    }
    for (int slot = 0; slot < kMixSlots; ++slot) {
        const QString stored = settings.GetSetting(kColorKeys[std::size_t(slot)]);
        try {
            slotSwatch(slot)->setColor(stored.isEmpty() ? TColor(0xFFFFFF) : NamedTextToColor(stored.toStdString()));
        } catch (const ConversionError& error) {
            if (!quiet_)
                platform().dialogs->error(this, QStringLiteral("KT Tessaro"), QString::fromStdString(error.what()));
        }
    }
    Mix();
    clearTip();
    quiet_ = false;
}

// The same steps as ReadSettings: an amount only mixes when it is not zero,
// so the one mix that can find every amount zero is the last.
void MixerWindow::ReportStoredSettings(const workspace::SettingsStore& settings, platform::Dialogs& dialogs,
                                       QWidget* parent)
{
    for (const workspace::Setting key : kAmountKeys)
        if (const StoredMixAmount stored = StoredAmount(settings, key); !stored.problem.empty())
            dialogs.error(parent, QStringLiteral("KT Tessaro"), QString::fromStdString(stored.problem));
    for (const workspace::Setting key : kColorKeys) {
        const QString stored = settings.GetSetting(key);
        if (stored.isEmpty())
            continue;
        try {
            NamedTextToColor(stored.toStdString());
        } catch (const ConversionError& error) {
            dialogs.error(parent, QStringLiteral("KT Tessaro"), QString::fromStdString(error.what()));
        }
    }
    const bool allZero = std::all_of(kAmountKeys.begin(), kAmountKeys.end(), [&settings](workspace::Setting key) {
        return StoredAmount(settings, key).amount == 0;
    });
    if (allZero)
        dialogs.notify(parent, QStringLiteral("Color Mixer"), QString::fromLatin1(kAllAmountsZeroMessage));
}

void MixerWindow::WriteSettings(QMap<workspace::Setting, QString>& live) const
{
    for (int slot = 0; slot < kMixSlots; ++slot) {
        live.insert(kAmountKeys[std::size_t(slot)], QString::number(amount(slot)));
        live.insert(kColorKeys[std::size_t(slot)], QString::fromStdString(ColorToNamedText(slotColor(slot))));
    }
}

int MixerWindow::amount(int slot) const
{
    return amountBar(slot)->value();
}

void MixerWindow::setAmount(int slot, int amount)
{
    amountBar(slot)->setValue(ClampMixAmount(amount));
}

TColor MixerWindow::slotColor(int slot) const
{
    return slotSwatch(slot)->color();
}

void MixerWindow::setSlotColor(int slot, TColor color)
{
    slotSwatch(slot)->setColor(color);
    Mix();
}

std::array<MixSlot, kMixSlots> MixerWindow::mixSlots() const
{
    std::array<MixSlot, kMixSlots> mix;
    for (int slot = 0; slot < kMixSlots; ++slot)
        mix[std::size_t(slot)] = {slotColor(slot), amount(slot)};
    return mix;
}

void MixerWindow::amountChanged(int slot, int amount)
{
    Mix();
    amountLabel(slot)->setText(QString::number(amount));
    excludedMark(slot)->setVisible(amount == 0);
}

void MixerWindow::Mix()
{
    const std::optional<TColor> mixed = MixColors(mixSlots());
    if (!mixed) {
        if (!quiet_)
            platform().dialogs->notify(this, QStringLiteral("Color Mixer"), QString::fromLatin1(kAllAmountsZeroMessage));
        return;
    }
    mixed_ = *mixed;
    mixedSwatch_->setColor(mixed_);
}

QString MixerWindow::tipText() const
{
    return tips_->text();
}

void MixerWindow::clearTip()
{
    setTip(QString());
}

void MixerWindow::setTip(const QString& text)
{
    if (tips_->text() != text)
        tips_->setText(text);
}

void MixerWindow::toFront()
{
    raise();
}

QString MixerWindow::tipAt(QPoint point) const
{
    if (point.y() < kTitleHeight)
        return tips_->text();
    const QWidget* under = childAt(point);
    if (under == mixedSwatch_)
        return kMixedTip;
    for (const Slot& s : slots_)
        if (under == s.swatch)
            return kSlotTip;
    return kWindowTip;
}

bool MixerWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::DragEnter)
        toFront();
    return controls::ToolWindow::eventFilter(watched, event);
}

// Moves over the swatches and the other controls reach the window too
// (they do not take them), so one place chooses the tip by what lies under
// the pointer.
void MixerWindow::mouseMoveEvent(QMouseEvent* event)
{
    setTip(tipAt(event->position().toPoint()));
    controls::ToolWindow::mouseMoveEvent(event);
}

void MixerWindow::dragEnterEvent(QDragEnterEvent* event)
{
    toFront();
    event->acceptProposedAction();
}

void MixerWindow::dropEvent(QDropEvent* event)
{
    // Only the slots take colours.
    event->ignore();
}

} // namespace tessaro::tools
