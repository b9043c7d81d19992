#include "platform/font_effects_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tessaro::platform {

FontEffectsDialog::FontEffectsDialog(const QStringList& families, const FontChoice& initial, QWidget* parent)
    : QDialog(parent)
    , family_(new QComboBox(this))
    , size_(new QSpinBox(this))
    , bold_(new QCheckBox(tr("&Bold"), this))
    , italic_(new QCheckBox(tr("&Italic"), this))
    , underline_(new QCheckBox(tr("&Underline"), this))
    , strikeOut_(new QCheckBox(tr("Stri&keout"), this))
    , colorButton_(new QPushButton(this))
    , sample_(new QLabel(tr("AaBbYyZz"), this))
{
    setWindowTitle(tr("Font"));
    family_->setObjectName(QStringLiteral("fontFamily"));
    size_->setObjectName(QStringLiteral("fontSize"));
    bold_->setObjectName(QStringLiteral("fontBold"));
    italic_->setObjectName(QStringLiteral("fontItalic"));
    underline_->setObjectName(QStringLiteral("fontUnderline"));
    strikeOut_->setObjectName(QStringLiteral("fontStrikeOut"));
    colorButton_->setObjectName(QStringLiteral("fontColor"));
    sample_->setObjectName(QStringLiteral("fontSample"));

    const QString initialFamily = initial.font.family();
    family_->addItems(families);
    if (!initialFamily.isEmpty() && family_->findText(initialFamily) < 0)
        family_->insertItem(0, initialFamily);
    family_->setCurrentIndex(std::max(0, family_->findText(initialFamily)));

    size_->setRange(kMinSize, kMaxSize);
    const int points = initial.font.pointSize();
    size_->setValue(points > 0 ? points : 8);
    bold_->setChecked(initial.font.bold());
    italic_->setChecked(initial.font.italic());
    underline_->setChecked(initial.font.underline());
    strikeOut_->setChecked(initial.font.strikeOut());
    setColor(initial.color.isValid() ? initial.color : QColor(Qt::black));

    sample_->setMinimumSize(220, 60);
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setFrameShape(QFrame::StyledPanel);

    auto* effects = new QHBoxLayout;
    for (QCheckBox* box : {bold_, italic_, underline_, strikeOut_})
        effects->addWidget(box);
    auto* form = new QFormLayout;
    form->addRow(tr("&Font:"), family_);
    form->addRow(tr("&Size:"), size_);
    form->addRow(tr("Effects:"), effects);
    form->addRow(tr("&Color:"), colorButton_);
    form->addRow(tr("Sample:"), sample_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(colorButton_, &QPushButton::clicked, this, &FontEffectsDialog::chooseColor);
    connect(family_, &QComboBox::currentIndexChanged, this, &FontEffectsDialog::showSample);
    connect(size_, &QSpinBox::valueChanged, this, &FontEffectsDialog::showSample);
    for (QCheckBox* box : {bold_, italic_, underline_, strikeOut_})
        connect(box, &QCheckBox::toggled, this, &FontEffectsDialog::showSample);
    showSample();
}

FontChoice FontEffectsDialog::choice() const
{
    QFont font(family_->currentText());
    font.setPointSize(size_->value());
    font.setBold(bold_->isChecked());
    font.setItalic(italic_->isChecked());
    font.setUnderline(underline_->isChecked());
    font.setStrikeOut(strikeOut_->isChecked());
    return {font, color_};
}

void FontEffectsDialog::setColor(const QColor& color)
{
    color_ = color;
    QPixmap swatch(32, 14);
    swatch.fill(color);
    colorButton_->setIcon(QIcon(swatch));
    colorButton_->setIconSize(swatch.size());
    colorButton_->setText(color.name(QColor::HexRgb).toUpper());
    showSample();
}

void FontEffectsDialog::chooseColor()
{
    const QColor chosen = QColorDialog::getColor(color_, this, tr("Color"));
    if (chosen.isValid())
        setColor(chosen);
}

void FontEffectsDialog::showSample()
{
    const FontChoice current = choice();
    sample_->setFont(current.font);
    QPalette palette = sample_->palette();
    palette.setColor(QPalette::WindowText, current.color);
    sample_->setPalette(palette);
}

} // namespace tessaro::platform
