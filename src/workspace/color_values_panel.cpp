#include "workspace/color_values_panel.h"

#include "controls/color_pickers.h"
#include "controls/oklch_pickers.h"
#include "controls/text_look.h"
#include "engine/conversion_error.h"
#include "engine/named_color.h"
#include "workspace/one_line_label.h"
#include "workspace/value_edit.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>
#include <optional>

namespace tessaro::workspace {

namespace {

constexpr int kRowHeight = 18;
const char* const kCaptions[] = {"R", "G", "B", "H", "S", "L"};
const char* const kEditNames[] = {"redEdit", "greenEdit", "blueEdit", "hhhedit", "sssedit", "llledit"};
const char* const kSliderNames[] = {"RBar1", "GBar1", "BBar1", "HBar1", "SBar1", "LBar1"};

bool IsRgbChannel(int channel)
{
    return channel < 3;
}

// The largest value an edit of the channel keeps when it is applied.
int ChannelLimit(int channel)
{
    if (IsRgbChannel(channel))
        return 255;
    return channel == 3 ? 359 : 100;
}

// The edit's number by the program's integer rule; nullopt for other text.
std::optional<int> EditNumber(const ValueEdit* edit)
{
    return TryReadInteger(edit->text().toStdString());
}

// A slider is left when the focus moves to another control of the window;
// a popup menu opening or another window taking the keyboard is no leaving,
// as the focus comes back to the slider afterwards.
bool LeavesForAnotherControl(Qt::FocusReason reason)
{
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

// A line edit given the text it already shows would still repaint.
void ShowText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

QLabel* MakeLabel(const QString& text, QWidget* parent, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

controls::TrackBarPicker* MakeSlider(int channel, QWidget* parent)
{
    controls::TrackBarPicker* slider = nullptr;
    switch (channel) {
    case 0: slider = new controls::RColorPicker(parent); break;
    case 1: slider = new controls::GColorPicker(parent); break;
    case 2: slider = new controls::BColorPicker(parent); break;
    case 3: slider = new controls::HColorPicker(parent); break;
    case 4: slider = new controls::SColorPicker(parent); break;
    default: slider = new controls::LColorPicker(parent); break;
    }
    slider->setOrientation(controls::TrackBarPicker::Orientation::Horizontal);
    slider->setNewArrowStyle(true);
    slider->setBevelOuter(controls::TrackBarPicker::Bevel::Lowered);
    return slider;
}

} // namespace

ColorValuesPanel::ColorValuesPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("colorValuesPanel"));
    buildPage1();
    buildPage2();
    buildPage3();
    showPage(1);
}

void ColorValuesPanel::buildPage1()
{
    page1_ = new QWidget(this);
    page1_->setObjectName(QStringLiteral("ClrVal1PNL"));
    page1_->setGeometry(0, 0, 196, 148);
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const int y = 2 + kRowHeight * ch;
        MakeLabel(QString::fromLatin1(kCaptions[ch]), page1_, QRect(6, y, 12, 16));
        auto* edit = new ValueEdit(page1_);
        edit->setObjectName(QString::fromLatin1(kEditNames[ch]));
        edit->setGeometry(20, y - 1, 30, 17);
        edits_[ch] = edit;
        connect(edit, &ValueEdit::enterPressed, this, [this, ch] { applyEdit(Channel(ch)); });
        connect(edit, &ValueEdit::stepRequested, this, [this, ch](int delta) { stepEdit(Channel(ch), delta); });
        connect(edit, &ValueEdit::left, this, [this, ch] { clampGroup(Channel(ch)); });

        controls::TrackBarPicker* slider = MakeSlider(ch, page1_);
        slider->setObjectName(QString::fromLatin1(kSliderNames[ch]));
        slider->setGeometry(54, y, 135, 16);
        sliders_[ch] = slider;
        connect(slider, &controls::TrackBarPicker::focusEntered, this, [this, slider] { dragged_ = slider; });
        // Leaving is seen in eventFilter, which knows where the focus went.
        slider->installEventFilter(this);
        connect(slider, &controls::TrackBarPicker::changed, this, [this, ch] { onSliderChanged(Channel(ch)); });
    }

    const int hexY = 2 + kRowHeight * ChannelCount + 2;
    MakeLabel(QStringLiteral("Hex"), page1_, QRect(6, hexY, 24, 16));
    MakeLabel(QStringLiteral("#"), page1_, QRect(31, hexY, 8, 16));
    hexEdit_ = new HexEdit(page1_);
    hexEdit_->setObjectName(QStringLiteral("htmlEdit"));
    hexEdit_->setGeometry(39, hexY - 1, 58, 17);
    connect(hexEdit_, &HexEdit::enterPressed, this, [this] { emit hexEntered(hexEdit_->text()); });

    websafe_ = MakeLabel(QString(), page1_, QRect(104, hexY, 86, 16));
    websafe_->setObjectName(QStringLiteral("WebsafeLBL"));
    websafe_->setCursor(Qt::PointingHandCursor);
    websafe_->installEventFilter(this);

    colorName_ = new OneLineLabel(page1_);
    colorName_->setGeometry(6, hexY + 19, 184, 16);
    colorName_->setObjectName(QStringLiteral("clrnamed"));
    controls::SetTextLook(colorName_, {QColor(0x24, 0x30, 0x3C), 0, false, true});
    colorName_->hide();
}

void ColorValuesPanel::buildPage2()
{
    page2_ = new QWidget(this);
    page2_->setObjectName(QStringLiteral("ClrVal2PNL"));
    page2_->setGeometry(0, 0, 196, 148);
    page2_->setAutoFillBackground(true);
    const char* const names[] = {"XYZLabel", "LabLabel", "HunterLabLabel", "CMYLabel", "CMYKLabel"};
    // One line each, 22 pixels apart: a line too long for the page is cut,
    // never wrapped over the next one.
    for (int i = 0; i < 5; ++i) {
        auto* label = new OneLineLabel(page2_);
        label->setGeometry(6, 4 + 22 * i, 186, kRowHeight);
        label->setObjectName(QString::fromLatin1(names[i]));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        extendedLabels_[i] = label;
    }
}

// Page 3: lightness 0..100 %, chroma 0..0.37 and hue 0..360 as edits and
// OKLCH sliders, then the colour in OKLab, CIE Lab and LCH.
void ColorValuesPanel::buildPage3()
{
    page3_ = new QWidget(this);
    page3_->setObjectName(QStringLiteral("ClrVal3PNL"));
    page3_->setGeometry(0, 0, 196, 148);
    page3_->setAutoFillBackground(true);
    const char* const captions[] = {"L", "C", "H"};
    const char* const editNames[] = {"oklchLightnessEdit", "oklchChromaEdit", "oklchHueEdit"};
    const char* const sliderNames[] = {"OklchLBar", "OklchCBar", "OklchHBar"};
    const char* const tips[] = {"OKLCH lightness, 0 to 100 %", "OKLCH chroma, 0 to 0.37", "OKLCH hue, 0 to 360"};
    for (int i = 0; i < 3; ++i) {
        const int y = 2 + kRowHeight * i;
        MakeLabel(QString::fromLatin1(captions[i]), page3_, QRect(6, y, 12, 16));
        auto* edit = new QLineEdit(page3_);
        edit->setObjectName(QString::fromLatin1(editNames[i]));
        edit->setGeometry(20, y - 1, 42, 17);
        edit->setToolTip(QString::fromLatin1(tips[i]));
        oklchEdits_[std::size_t(i)] = edit;
        connect(edit, &QLineEdit::returnPressed, this, &ColorValuesPanel::applyOklchEdits);

        controls::OklchComponentPicker* slider = nullptr;
        if (i == 0)
            slider = new controls::OklchLightnessPicker(page3_);
        else if (i == 1)
            slider = new controls::OklchChromaPicker(page3_);
        else
            slider = new controls::OklchHuePicker(page3_);
        slider->setOrientation(controls::TrackBarPicker::Orientation::Horizontal);
        slider->setNewArrowStyle(true);
        slider->setBevelOuter(controls::TrackBarPicker::Bevel::Lowered);
        // The edits beside show the values; the hint would show its units.
        slider->setShowHint(false);
        slider->setObjectName(QString::fromLatin1(sliderNames[i]));
        slider->setGeometry(66, y, 123, 16);
        oklchSliders_[std::size_t(i)] = slider;
        connect(slider, &controls::TrackBarPicker::focusEntered, this, [this, slider] { dragged_ = slider; });
        slider->installEventFilter(this);
        connect(slider, &controls::TrackBarPicker::changed, this, [this, slider] {
            if (slider == dragged_)
                emit sliderColor(slider->selectedColor());
        });
    }
    const char* const lineNames[] = {"OkLabLabel", "CieLabLabel", "CieLchLabel"};
    for (int i = 0; i < 3; ++i) {
        auto* label = new OneLineLabel(page3_);
        label->setGeometry(6, 60 + 22 * i, 186, kRowHeight);
        label->setObjectName(QString::fromLatin1(lineNames[i]));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        perceptualLines_[std::size_t(i)] = label;
    }
}

void ColorValuesPanel::showPage(int page)
{
    page2_->setVisible(page == 2);
    page3_->setVisible(page == 3);
    if (page == 2)
        page2_->raise();
    if (page == 3)
        page3_->raise();
}

int ColorValuesPanel::page() const
{
    if (page3_->isVisible())
        return 3;
    return page2_->isVisible() ? 2 : 1;
}

void ColorValuesPanel::showOklch(TColor color)
{
    const OkLch lch = ColorToOkLch(color);
    const QString texts[] = {QString::number(lch.l * 100, 'f', 1), QString::number(lch.c, 'f', 3),
                             QString::number(lch.h, 'f', 1)};
    for (int i = 0; i < 3; ++i)
        ShowText(oklchEdits_[std::size_t(i)], texts[i]);
    for (controls::OklchComponentPicker* slider : oklchSliders_)
        if (slider != dragged_)
            slider->setSelectedColor(color);
    const OkLab oklab = ColorToOkLab(color);
    const CieLab lab = ColorToLab(color);
    const CieLch cieLch = ColorToLch(color);
    perceptualLines_[0]->setText(QStringLiteral("OKLab: %1, %2, %3")
                                     .arg(QString::number(oklab.l, 'f', 4), QString::number(oklab.a, 'f', 4),
                                          QString::number(oklab.b, 'f', 4)));
    perceptualLines_[1]->setText(QStringLiteral("Lab: %1, %2, %3")
                                     .arg(QString::number(lab.l, 'f', 2), QString::number(lab.a, 'f', 2),
                                          QString::number(lab.b, 'f', 2)));
    perceptualLines_[2]->setText(QStringLiteral("LCH: %1, %2, %3")
                                     .arg(QString::number(cieLch.l, 'f', 2), QString::number(cieLch.c, 'f', 2),
                                          QString::number(cieLch.h, 'f', 2)));
}

void ColorValuesPanel::applyOklchEdits()
{
    double values[3];
    for (int i = 0; i < 3; ++i) {
        const QString text = oklchEdits_[std::size_t(i)]->text().trimmed();
        bool ok = false;
        values[i] = text.toDouble(&ok);
        if (!ok || !std::isfinite(values[i])) {
            emit conversionError(QStringLiteral("'%1' is not a valid number.").arg(text));
            return;
        }
    }
    const double lightness = std::clamp(values[0], 0.0, 100.0);
    const double chroma = std::clamp(values[1], 0.0, double(controls::kOklchMaxChroma) / controls::kOklchChromaUnits);
    double hue = std::fmod(values[2], 360.0);
    if (hue < 0)
        hue += 360.0;
    emit oklchEntered(OkLch{lightness / 100.0, chroma, hue});
}

void ColorValuesPanel::showState(const MainColorState& s)
{
    shownRgb_ = s.rgb();
    shownHsl_ = s.hsl();
    const int values[] = {s.red, s.green, s.blue, s.hue, s.saturation, s.lightness};
    for (int ch = 0; ch < ChannelCount; ++ch)
        ShowText(edits_[ch], QString::number(values[ch]));
    for (int i = 0; i < 5; ++i)
        extendedLabels_[i]->setText(QString::fromStdString(s.extendedLines[i]));
    ShowText(hexEdit_, QString::fromStdString(s.hexText));
    for (controls::TrackBarPicker* slider : sliders_)
        if (slider != dragged_)
            slider->setSelectedColor(s.mainColor);
    showOklch(s.mainColor);
    colorName_->setText(QString::fromStdString(s.palette.colorName));
    colorName_->setVisible(!s.palette.colorName.empty());
    websafe_->setText(s.isWebsafe ? QStringLiteral("Websafe") : QStringLiteral("Not Websafe"));
}

void ColorValuesPanel::setRgbSliders(TColor color)
{
    for (int ch = Red; ch <= Blue; ++ch)
        sliders_[ch]->setSelectedColor(color);
}

void ColorValuesPanel::applyEdit(Channel channel)
{
    if (edits_[channel]->text().isEmpty())
        return;
    clampGroup(channel);
    const int first = IsRgbChannel(channel) ? Red : Hue;
    int values[3];
    try {
        for (int i = 0; i < 3; ++i)
            values[i] = ReadInteger(edits_[first + i]->text().toStdString());
    } catch (const ConversionError& error) {
        emit conversionError(QString::fromStdString(error.what()));
        return;
    }
    if (IsRgbChannel(channel))
        emit rgbEntered({std::uint8_t(values[0]), std::uint8_t(values[1]), std::uint8_t(values[2])});
    else
        emit hslEntered({values[0], values[1], values[2]});
}

void ColorValuesPanel::stepEdit(Channel channel, int delta)
{
    ValueEdit* edit = edits_[channel];
    int value = 0;
    try {
        value = ReadInteger(edit->text().toStdString());
    } catch (const ConversionError& error) {
        emit conversionError(QString::fromStdString(error.what()));
        return;
    }
    // Kept to a 16-bit word: 0 - 1 gives 65535. Clamped before it is
    // written back, as Enter would, since "1000" does not fit the edit.
    const int stepped = ((value + delta) % 65536 + 65536) % 65536;
    edit->setText(QString::number(std::min(stepped, ChannelLimit(channel))));
    applyEdit(channel);
}

void ColorValuesPanel::clampGroup(Channel channel)
{
    const int first = IsRgbChannel(channel) ? Red : Hue;
    for (int ch = first; ch < first + 3; ++ch) {
        ValueEdit* edit = edits_[ch];
        const std::optional<int> value = EditNumber(edit);
        if (!value)
            continue;
        const int limit = ChannelLimit(ch);
        if (*value > limit)
            edit->setText(QString::number(limit));
        else if (*value < 0)
            edit->setText(QStringLiteral("0"));
    }
}

void ColorValuesPanel::onSliderChanged(Channel channel)
{
    controls::TrackBarPicker* slider = sliders_[channel];
    if (slider != dragged_)
        return;
    const int value = slider->value();
    RgbTriple rgb = shownRgb_;
    HslTriple hsl = shownHsl_;
    switch (channel) {
    case Red: rgb.red = std::uint8_t(value); break;
    case Green: rgb.green = std::uint8_t(value); break;
    case Blue: rgb.blue = std::uint8_t(value); break;
    case Hue: hsl.hue = value == 360 ? 0 : value; break;
    case Saturation: hsl.saturation = std::min(100, value * 100 / 240); break;
    case Lightness: hsl.lightness = value * 100 / 240; break;
    default: return;
    }
    if (IsRgbChannel(channel))
        emit sliderRgb(rgb);
    else
        emit sliderHsl(hsl);
}

bool ColorValuesPanel::eventFilter(QObject* watched, QEvent* event)
{
    // The mark goes with the focus, so the slider follows what a menu does
    // meanwhile; it comes back with the focus (focusEntered).
    if (event->type() == QEvent::FocusOut && watched == dragged_) {
        dragged_ = nullptr;
        if (LeavesForAnotherControl(static_cast<QFocusEvent*>(event)->reason()))
            emit sliderLeft();
        return false;
    }
    if (watched == websafe_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit websafeClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tessaro::workspace
