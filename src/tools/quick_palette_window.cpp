#include "tools/quick_palette_window.h"

#include "controls/color_drag.h"
#include "controls/swatch.h"
#include "platform/qt_color.h"
#include "tools/color_picture.h"
#include "tools/eye_dropper_math.h"
#include "tools/palette_pictures.h"

#include <QLabel>

namespace tessaro::tools {

namespace {

constexpr int kShownSpectrumWidth = 172;

// The stored spectrum stretched to its shown width, pixels replicated.
QImage SpectrumPicture()
{
    QImage image(kShownSpectrumWidth, kSpectrumHeight, QImage::Format_RGB32);
    for (int y = 0; y < kSpectrumHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kShownSpectrumWidth; ++x)
            line[x] = ToQRgb(SpectrumPixel(int(StretchSourceIndex(x, kSpectrumWidth, kShownSpectrumWidth)), y));
    }
    return image;
}

QImage WebsafePicture()
{
    QImage image(kWebsafeWidth, kWebsafeHeight, QImage::Format_RGB32);
    for (int y = 0; y < kWebsafeHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWebsafeWidth; ++x)
            line[x] = ToQRgb(WebsafePixel(x, y));
    }
    return image;
}

QLabel* SectionTitle(const QString& text, QPoint at, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(at.x(), at.y(), 172, 14);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

QuickPaletteWindow::QuickPaletteWindow(const platform::Platform& platform, QWidget* parent)
    : controls::ToolWindow(platform, QStringLiteral("Quick Color Palette"), QSize(kWidth, kHeight), kTitleHeight,
                           Qt::Tool, parent),
      spectrum_(new ColorPicture(QStringLiteral("plt1IMG"), this)),
      websafe_(new ColorPicture(QStringLiteral("plt2IMG"), this)),
      swatch_(new controls::Swatch(controls::Swatch::Shape::Square, this)),
      valueLine_(new QLabel(QStringLiteral("Move your mouse over a color."), this))
{
    setObjectName(QStringLiteral("TForm11"));
    addCloseButton();
    SectionTitle(QStringLiteral("Color Spectrum"), {7, 24}, this);
    spectrum_->setGeometry(7, 38, kShownSpectrumWidth, kSpectrumHeight);
    spectrum_->setPicture(SpectrumPicture());
    SectionTitle(QStringLiteral(" Websafe Color Palette"), {7, 110}, this);
    websafe_->setGeometry(7, 124, kWebsafeWidth, kWebsafeHeight);
    websafe_->setPicture(WebsafePicture());
    swatch_->setObjectName(QStringLiteral("mocolorSHP"));
    swatch_->setGeometry(7, 238, 17, 17);
    valueLine_->setObjectName(QStringLiteral("colorvalueLBL"));
    valueLine_->setGeometry(28, 240, kWidth - 32, 14);
    valueLine_->setTextFormat(Qt::PlainText);

    startDrag_ = [this](TColor color) {
        controls::ExecColorDrag(this, color, colorlist::DragSource::QuickPalette);
    };
    connect(spectrum_, &ColorPicture::hovered, this, [this](TColor color) { take(color, false); });
    connect(websafe_, &ColorPicture::hovered, this, [this](TColor color) { take(color, true); });
    connect(spectrum_, &ColorPicture::leftPressed, this, [this](TColor color) {
        if (take(color, false))
            startDrag_(color);
    });
    connect(websafe_, &ColorPicture::leftPressed, this, [this](TColor color) {
        if (take(color, true))
            startDrag_(color);
    });
}

bool QuickPaletteWindow::take(TColor color, bool fromWebsafe)
{
    if (fromWebsafe && color == kGridLineColor)
        return false;
    dragColor_ = color;
    swatch_->setColor(color);
    valueLine_->setText(QString::fromStdString(PaletteValueText(color)));
    return true;
}

} // namespace tessaro::tools
