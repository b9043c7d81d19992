#include "tools/scales_window.h"

#include "colorlist/color_list_commands.h"
#include "controls/swatch.h"
#include "engine/conversion_error.h"
#include "engine/named_color.h"
#include "export/save_bytes.h"
#include "state/main_color.h"
#include "state/settings_store.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace tessaro::tools {

namespace {

constexpr int kLeft = 8;
constexpr int kTonalPitch = 28;
constexpr int kTonalSide = 24;
constexpr int kCellPitch = 52;
constexpr int kCellWidth = 44;
constexpr int kCellHeight = 24;

constexpr PerceptualHarmony kHarmonies[] = {PerceptualHarmony::Analogous, PerceptualHarmony::Complements,
                                             PerceptualHarmony::SplitComplements, PerceptualHarmony::Triad,
                                             PerceptualHarmony::Tetrad, PerceptualHarmony::Square};
const char* const kHarmonyCaptions[] = {"Analogous", "Complements", "Split Complements", "Triad", "Tetrad", "Square"};

struct FormatCaption {
    exporting::ScaleFormat format;
    const char* caption;
    const char* filter;
    const char* extension;
};
constexpr FormatCaption kFormatCaptions[] = {
    {exporting::ScaleFormat::CssVariables, "CSS Variables", "CSS File (*.css)", "css"},
    {exporting::ScaleFormat::Scss, "SCSS", "SCSS File (*.scss)", "scss"},
    {exporting::ScaleFormat::Tailwind, "Tailwind", "JavaScript File (*.js)", "js"},
    {exporting::ScaleFormat::Json, "JSON", "JSON File (*.json)", "json"},
    {exporting::ScaleFormat::Gpl, "GPL", "GIMP Palette (*.gpl)", "gpl"},
};

QLabel* Caption(const QString& text, QRect geometry, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// The small centred name under a swatch.
QLabel* SwatchName(QRect geometry, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.8);
    label->setFont(font);
    return label;
}

controls::Swatch* ScaleSwatchWidget(const QString& name, QRect geometry, QWidget* parent)
{
    auto* swatch = new controls::Swatch(controls::Swatch::Shape::Square, parent);
    swatch->setObjectName(name);
    swatch->setGeometry(geometry);
    swatch->setDragSource(colorlist::DragSource::ScalesSwatch);
    return swatch;
}

QString HexText(TColor color)
{
    return QString::asprintf("#%02X%02X%02X", RedOf(color), GreenOf(color), BlueOf(color));
}

} // namespace

ScalesWindow::ScalesWindow(const platform::Platform& platform, workspace::MainColor& mainColor,
                           colorlist::ColorListCommands& list, QWidget* parent)
    : controls::ToolWindow(platform, QStringLiteral("Scales"), QSize(kWidth, kHeight), kTitleHeight, Qt::Tool, parent),
      mainColor_(mainColor),
      list_(list)
{
    setObjectName(QStringLiteral("ScalesForm"));

    Caption(QStringLiteral("Tonal Scale"), QRect(kLeft, 24, 200, 14), this);
    for (int step = 0; step < kTonalSteps; ++step) {
        const int x = kLeft + step * kTonalPitch;
        tonalSwatches_[std::size_t(step)] =
            ScaleSwatchWidget(QStringLiteral("tonalSwatch%1").arg(step), QRect(x, 40, kTonalSide, kTonalSide), this);
        tonalNames_[std::size_t(step)] = SwatchName(QRect(x - 2, 66, kTonalPitch, 12), this);
    }
    nearestMarker_ = SwatchName(QRect(0, 77, kTonalPitch, 12), this);
    nearestMarker_->setObjectName(QStringLiteral("nearestMarker"));
    nearestMarker_->setText(QStringLiteral("\u25B2"));
    nearestMarker_->setToolTip(QStringLiteral("The step nearest the main color"));

    Caption(QStringLiteral("Contrast Scale on"), QRect(kLeft, 94, 120, 14), this);
    background_ = ScaleSwatchWidget(QStringLiteral("backgroundSwatch"), QRect(130, 92, 18, 18), this);
    background_->setDropTarget(colorlist::DropTarget::ScalesBackground);
    background_->setToolTip(QStringLiteral("The background: drop a color here"));
    background_->setColor(0xFFFFFF);
    connect(background_, &controls::Swatch::colorDropped, this, [this](TColor color) { setBackgroundColor(color); });
    metric_ = new QComboBox(this);
    metric_->setObjectName(QStringLiteral("metricBox"));
    metric_->addItems({QStringLiteral("WCAG 2 ratio"), QStringLiteral("APCA Lc")});
    metric_->setGeometry(190, 90, 130, 22);
    metric_->setFocusPolicy(Qt::NoFocus);
    connect(metric_, &QComboBox::currentIndexChanged, this, [this] { showContrast(); });
    for (int i = 0; i < kContrastTargets; ++i) {
        const int x = kLeft + i * kCellPitch;
        contrastSwatches_[std::size_t(i)] = ScaleSwatchWidget(QStringLiteral("contrastSwatch%1").arg(i),
                                                              QRect(x, 116, kCellWidth, kCellHeight), this);
        unreachable_[std::size_t(i)] = SwatchName(QRect(x - 4, 122, kCellPitch, 12), this);
        unreachable_[std::size_t(i)]->setText(QStringLiteral("unreachable"));
        contrastNames_[std::size_t(i)] = SwatchName(QRect(x - 4, 142, kCellPitch, 12), this);
    }

    Caption(QStringLiteral("Harmony"), QRect(kLeft, 164, 120, 14), this);
    harmonyChoice_ = new QComboBox(this);
    harmonyChoice_->setObjectName(QStringLiteral("harmonyBox"));
    for (const char* caption : kHarmonyCaptions)
        harmonyChoice_->addItem(QString::fromLatin1(caption));
    harmonyChoice_->setCurrentIndex(1);
    harmonyChoice_->setGeometry(190, 160, 130, 22);
    harmonyChoice_->setFocusPolicy(Qt::NoFocus);
    connect(harmonyChoice_, &QComboBox::currentIndexChanged, this, [this] { showHarmony(); });
    for (int i = 0; i < kHarmonyMembers; ++i) {
        const int x = kLeft + i * kCellPitch;
        harmonySwatches_[std::size_t(i)] = ScaleSwatchWidget(QStringLiteral("harmonySwatch%1").arg(i),
                                                             QRect(x, 186, kCellWidth, kCellHeight), this);
        harmonyNames_[std::size_t(i)] = SwatchName(QRect(x - 4, 212, kCellPitch, 12), this);
    }

    addAll_ = new QPushButton(QStringLiteral("Add All to Color List"), this);
    addAll_->setObjectName(QStringLiteral("addAllButton"));
    addAll_->setGeometry(kLeft, 236, 160, 24);
    addAll_->setFocusPolicy(Qt::NoFocus);
    connect(addAll_, &QPushButton::clicked, this, &ScalesWindow::AddAllToColorList);

    buildMenu();
    addCloseButton();
    connect(&mainColor_, &workspace::MainColor::changed, this, &ScalesWindow::Refresh);
    Refresh();
}

void ScalesWindow::buildMenu()
{
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("scalesMenu"));
    const std::pair<Scale, const char*> scales[] = {
        {Scale::Tonal, "&Tonal Scale"}, {Scale::Contrast, "&Contrast Scale"}, {Scale::Harmony, "&Harmony"}};
    for (const auto& [scale, caption] : scales) {
        QMenu* sub = menu_->addMenu(QString::fromLatin1(caption));
        for (const FormatCaption& format : kFormatCaptions)
            sub->addAction(QStringLiteral("Copy as %1").arg(QString::fromLatin1(format.caption)), this,
                           [this, scale = scale, f = format.format] { CopyScale(scale, f); });
        sub->addSeparator();
        for (const FormatCaption& format : kFormatCaptions)
            sub->addAction(QStringLiteral("Export as %1...").arg(QString::fromLatin1(format.caption)), this,
                           [this, scale = scale, f = format.format] { ExportScale(scale, f); });
    }
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("&Add All to Color List"), this, &ScalesWindow::AddAllToColorList);
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("Close"), this, &ScalesWindow::closeByHand);
    addMenuButton(QStringLiteral("scalesMenuButton"), menu_);
}

const std::vector<ScaleSwatch>& ScalesWindow::swatchesOf(Scale scale) const
{
    switch (scale) {
    case Scale::Tonal: return tonal_.steps;
    case Scale::Contrast: return contrast_;
    case Scale::Harmony: break;
    }
    return harmony_;
}

TColor ScalesWindow::backgroundColor() const
{
    return background_->color();
}

void ScalesWindow::setBackgroundColor(TColor color)
{
    background_->setColor(color);
    background_->setToolTip(QStringLiteral("The background %1: drop a color here").arg(HexText(color)));
    showContrast();
}

ContrastMetric ScalesWindow::metric() const
{
    return metric_->currentIndex() == 1 ? ContrastMetric::Apca : ContrastMetric::Wcag;
}

void ScalesWindow::setMetric(ContrastMetric metric)
{
    metric_->setCurrentIndex(metric == ContrastMetric::Apca ? 1 : 0);
}

void ScalesWindow::Refresh()
{
    showTonal();
    showContrast();
    showHarmony();
}

void ScalesWindow::showTonal()
{
    tonal_ = MakeTonalScale(mainColor_.current());
    for (int step = 0; step < kTonalSteps; ++step) {
        const ScaleSwatch& swatch = tonal_.steps[std::size_t(step)];
        tonalSwatches_[std::size_t(step)]->setColor(*swatch.color);
        tonalSwatches_[std::size_t(step)]->setToolTip(
            QStringLiteral("%1 %2").arg(QString::fromStdString(swatch.name), HexText(*swatch.color)));
        tonalNames_[std::size_t(step)]->setText(QString::fromStdString(swatch.name));
    }
    const QLabel* nearestName = tonalNames_[tonal_.nearest];
    nearestMarker_->move(nearestName->x(), nearestMarker_->y());
}

void ScalesWindow::showContrast()
{
    const std::vector<double> targets = DefaultContrastTargets(metric());
    contrast_ = MakeContrastScale(mainColor_.current(), backgroundColor(), metric(), targets);
    for (int i = 0; i < kContrastTargets; ++i) {
        const ScaleSwatch& swatch = contrast_[std::size_t(i)];
        controls::Swatch* widget = contrastSwatches_[std::size_t(i)];
        widget->setVisible(swatch.color.has_value());
        unreachable_[std::size_t(i)]->setVisible(!swatch.color);
        const QString name = QString::fromStdString(swatch.name);
        contrastNames_[std::size_t(i)]->setText(metric() == ContrastMetric::Apca ? QStringLiteral("Lc ") + name
                                                                                : name + QStringLiteral(":1"));
        if (swatch.color) {
            widget->setColor(*swatch.color);
            widget->setToolTip(QStringLiteral("%1 %2").arg(name, HexText(*swatch.color)));
        }
    }
}

void ScalesWindow::showHarmony()
{
    harmony_ = MakePerceptualHarmony(mainColor_.current(), kHarmonies[std::max(0, harmonyChoice_->currentIndex())]);
    for (int i = 0; i < kHarmonyMembers; ++i) {
        const bool shown = std::size_t(i) < harmony_.size();
        harmonySwatches_[std::size_t(i)]->setVisible(shown);
        harmonyNames_[std::size_t(i)]->setVisible(shown);
        if (!shown)
            continue;
        const ScaleSwatch& swatch = harmony_[std::size_t(i)];
        harmonySwatches_[std::size_t(i)]->setColor(*swatch.color);
        harmonySwatches_[std::size_t(i)]->setToolTip(
            QStringLiteral("%1 %2").arg(QString::fromStdString(swatch.name), HexText(*swatch.color)));
        harmonyNames_[std::size_t(i)]->setText(QString::fromStdString(swatch.name));
    }
}

void ScalesWindow::AddAllToColorList()
{
    std::vector<TColor> colors;
    for (Scale scale : {Scale::Tonal, Scale::Contrast, Scale::Harmony})
        for (const ScaleSwatch& swatch : swatchesOf(scale))
            if (swatch.color)
                colors.push_back(*swatch.color);
    list_.AddColors(colors, colorlist::Placement::AtEnd, false);
}

std::string ScalesWindow::ScaleText(Scale scale, exporting::ScaleFormat format) const
{
    const char* prefix = scale == Scale::Tonal ? "tonal" : scale == Scale::Contrast ? "contrast" : "harmony";
    return exporting::ScaleText(swatchesOf(scale), format, prefix);
}

void ScalesWindow::CopyScale(Scale scale, exporting::ScaleFormat format)
{
    platform().clipboard->setText(QString::fromStdString(ScaleText(scale, format)));
}

void ScalesWindow::ExportScale(Scale scale, exporting::ScaleFormat format)
{
    for (const FormatCaption& row : kFormatCaptions) {
        if (row.format != format)
            continue;
        const std::optional<QString> path = platform().dialogs->saveFile(
            this, QStringLiteral("Export Scale"), {{QString::fromLatin1(row.filter), QStringLiteral("*.") + row.extension}},
            QString::fromLatin1(row.extension), QString());
        if (path)
            exporting::SaveBytesReporting(*platform().dialogs, this, *path, ScaleText(scale, format));
        return;
    }
}

void ScalesWindow::ReadSettings(const workspace::SettingsStore& settings)
{
    TColor background = 0xFFFFFF;
    try {
        if (const QString stored = settings.GetSetting(workspace::Setting::ScalesBackground); !stored.isEmpty())
            background = NamedTextToColor(stored.toStdString());
    } catch (const ConversionError&) {
        // A background that is no colour leaves the white one.
    }
    // System colours and markers are no background either.
    setBackgroundColor(background > 0xFFFFFF ? TColor(0xFFFFFF) : background);
    setMetric(settings.GetSetting(workspace::Setting::ScalesMetric) == QStringLiteral("apca") ? ContrastMetric::Apca
                                                                                             : ContrastMetric::Wcag);
}

void ScalesWindow::WriteSettings(QMap<workspace::Setting, QString>& live) const
{
    live.insert(workspace::Setting::ScalesBackground, QString::fromStdString(ColorToNamedText(backgroundColor())));
    live.insert(workspace::Setting::ScalesMetric,
                metric() == ContrastMetric::Apca ? QStringLiteral("apca") : QStringLiteral("wcag"));
}

} // namespace tessaro::tools
