#include "state/main_color.h"

#include "platform/text_files.h"

#include <QLocale>

namespace tessaro::workspace {

MainColor::MainColor(QObject* parent)
    : QObject(parent),
      decimalSeparator_(QLocale().decimalPoint().toStdString()),
      history_(new colorlist::HistoryListModel(this))
{
    RecomputeFromRgb(state_, nullptr, decimalSeparator_);
}

void MainColor::set(TColor color)
{
    const RgbTriple rgb = ToRgb(color);
    state_.red = rgb.red;
    state_.green = rgb.green;
    state_.blue = rgb.blue;
    UpdateFromRgb();
    emit colorSet(state_.mainColor);
}

void MainColor::setRgb(RgbTriple rgb)
{
    state_.red = rgb.red;
    state_.green = rgb.green;
    state_.blue = rgb.blue;
    UpdateFromRgb();
}

void MainColor::setHsl(HslTriple hsl)
{
    state_.hue = hsl.hue;
    state_.saturation = hsl.saturation;
    state_.lightness = hsl.lightness;
    UpdateFromHsl();
}

void MainColor::UpdateFromRgb()
{
    RecomputeFromRgb(state_, nameLookup(), decimalSeparator_);
    emit changed();
}

void MainColor::UpdateFromHsl()
{
    RecomputeFromHsl(state_, nameLookup(), decimalSeparator_);
    emit changed();
}

void MainColor::RecordHistoryStep()
{
    history_->record(state_.mainColor);
}

void MainColor::setAndRecord(TColor color)
{
    set(color);
    RecordHistoryStep();
}

void MainColor::setVariationsOpen(bool open)
{
    if (state_.variationsOpen == open)
        return;
    state_.variationsOpen = open;
    if (!open)
        return;
    state_.palette.variationGrid =
        DerivePalette(state_.rgb(), state_.mainColor, {.withVariationGrid = true}).variationGrid;
    emit changed();
}

bool MainColor::LoadColorNames(const QString& path)
{
    const std::optional<QString> text = platform::ReadTextFile(path);
    if (!text)
        return false;
    state_.nameList = KeyValueText::Parse(text->toStdString());
    return true;
}

void MainColor::SetReady()
{
    state_.ready = true;
}

const KeyValueText* MainColor::nameLookup() const
{
    return state_.ready && state_.nameList ? &*state_.nameList : nullptr;
}

} // namespace tessaro::workspace
