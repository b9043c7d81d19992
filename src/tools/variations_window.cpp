#include "tools/variations_window.h"

#include "controls/color_drag.h"
#include "controls/title_bar.h"
#include "platform/qt_color.h"
#include "tools/color_picture.h"
#include "tools/palette_pictures.h"
#include "state/main_color.h"

#include <QLabel>
#include <QMenu>

namespace tessaro::tools {

VariationsWindow::VariationsWindow(const platform::Platform& platform, workspace::MainColor& mainColor,
                                   QWidget* parent)
    : controls::ToolWindow(platform, QStringLiteral("Variations"), QSize(kWidth, kHeight), kTitleHeight, Qt::Tool,
                           parent),
      mainColor_(mainColor),
      picture_(new ColorPicture(QStringLiteral("Image1"), this)),
      valueLine_(new QLabel(this)),
      menu_(new QMenu(this))
{
    setObjectName(QStringLiteral("TForm2"));
    picture_->setGeometry(QRect(QPoint(1, 13), kPictureSize));
    QImage blank(kPictureSize, QImage::Format_RGB32);
    blank.fill(Qt::white);
    picture_->setPicture(blank);
    valueLine_->setObjectName(QStringLiteral("Label1"));
    valueLine_->setGeometry(4, 264, kWidth - 8, 14);
    valueLine_->setTextFormat(Qt::PlainText);

    menu_->setObjectName(QStringLiteral("popvar"));
    menu_->addAction(QStringLiteral("Copy Variations as Bitmap"), this, &VariationsWindow::CopyAsBitmap);
    menu_->addSeparator();
    menu_->addAction(QStringLiteral("Close"), this, &VariationsWindow::closeByHand);
    addMenuButton(QStringLiteral("variationsMenuButton"), menu_);
    addCloseButton();

    connect(picture_, &ColorPicture::hovered, this,
            [this](TColor color) { valueLine_->setText(QString::fromStdString(VariationsValueText(color))); });
    connect(picture_, &ColorPicture::rightClicked, menu_, [this](QPoint at) { menu_->popup(at); });
    connect(picture_, &ColorPicture::leftPressed, this, [this](TColor color) {
        dragColor_ = color;
        startDrag_(color);
    });
    startDrag_ = [this](TColor color) {
        controls::ExecColorDrag(picture_, color, colorlist::DragSource::VariationsGrid);
    };
    connect(&mainColor_, &workspace::MainColor::changed, this, [this] {
        if (mainColor_.state().variationsOpen)
            paintGrid();
    });
}

void VariationsWindow::paintGrid()
{
    QImage image = picture_->picture();
    PaintVariationGrid(mainColor_.state().palette, image.width(), image.height(),
                       [&image](int x, int y, TColor color) { image.setPixel(x, y, ToQRgb(color)); });
    picture_->setPicture(image);
}

void VariationsWindow::CopyAsBitmap()
{
    platform().clipboard->setImage(picture_->picture());
}

void VariationsWindow::showEvent(QShowEvent* event)
{
    controls::ToolWindow::showEvent(event);
    mainColor_.setVariationsOpen(true);
}

void VariationsWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    mainColor_.setVariationsOpen(false);
}

} // namespace tessaro::tools
