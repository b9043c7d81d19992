#include "controls/title_bar.h"

#include "controls/text_look.h"
#include "controls/title_glyphs.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace tessaro::controls {

namespace {

const QColor kTitleTop(0x3A, 0x4E, 0x66);
const QColor kTitleBottom(0x2A, 0x3A, 0x4E);
const QColor kSectionTop(0xDD, 0xE4, 0xEC);
const QColor kSectionBottom(0xC8, 0xD2, 0xDE);

void PaintGradient(QWidget* widget, const QColor& top, const QColor& bottom)
{
    QPainter painter(widget);
    QLinearGradient gradient(0, 0, 0, widget->height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(widget->rect(), gradient);
}

// The menu buttons' down arrow: a small triangle drawn as a polygon, the
// size of the "\u25BC" glyph it stands for. The glyph is in few fonts, and
// drawing it as text made the first paint search the system for a fallback
// font.
const QString kMenuArrowText = QStringLiteral("\u25BC");

void PaintMenuArrow(QPainter& painter, const QRect& rect, const QColor& color)
{
    // Where the glyph stood: centred across, and on the lower middle pixel
    // row of an odd height.
    const QPointF centre(rect.x() + rect.width() / 2.0, rect.y() + (rect.height() + 1) / 2);
    const QPointF points[3] = {{centre.x() - 2.5, centre.y() - 2.1},
                               {centre.x() + 2.5, centre.y() - 2.1},
                               {centre.x(), centre.y() + 3.0}};
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(points, 3);
}

// A title bar's small button: its glyph alone, a light wash under the
// pointer and a dark one while pressed. The menu arrow is drawn, not
// written; the other glyphs are shown from their pictures drawn at build
// time where there are some.
class GlyphButton : public QToolButton {
public:
    GlyphButton(QWidget* parent, const QColor& text) : QToolButton(parent), text_(text)
    {
        setAttribute(Qt::WA_Hover);
        setFont(TitleGlyphFont(QFont()));
    }

    // Its size is fixed: the layout needs no measuring of the glyph.
    QSize sizeHint() const override { return minimumSize(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (isDown())
            painter.fillRect(rect(), QColor(0, 0, 0, 60));
        else if (underMouse())
            painter.fillRect(rect(), QColor(255, 255, 255, 60));
        if (text() == kMenuArrowText) {
            PaintMenuArrow(painter, rect(), text_);
            return;
        }
        PaintTitleGlyph(painter, rect(), text(), text_);
    }

private:
    QColor text_;
};

QToolButton* MakeSmallButton(QWidget* parent, const QString& objectName, const QString& glyph, const QString& tip,
                             const QColor& text)
{
    auto* button = new GlyphButton(parent, text);
    button->setObjectName(objectName);
    button->setText(glyph);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(kTitleGlyphBox);
    return button;
}

} // namespace

TitleBar::TitleBar(const QString& caption, int height, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("titleBar"));
    setFixedHeight(height);
    layout_ = new QHBoxLayout(this);
    layout_->setContentsMargins(6, 0, 2, 0);
    layout_->setSpacing(1);
    caption_ = new QLabel(caption, this);
    caption_->setObjectName(QStringLiteral("titleLabel"));
    SetTextLook(caption_, {Qt::white, 11, true});
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout_->addWidget(caption_, 1);
}

QToolButton* TitleBar::addButton(const QString& objectName, const QString& glyph, const QString& toolTip)
{
    QToolButton* button = MakeSmallButton(this, objectName, glyph, toolTip, Qt::white);
    layout_->addWidget(button);
    return button;
}

QToolButton* TitleBar::addMenuButton(const QString& objectName, const QString& toolTip)
{
    return addButton(objectName, kMenuArrowText, toolTip);
}

void TitleBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressPosition_ = event->globalPosition().toPoint();
        emit pressed();
    }
    QWidget::mousePressEvent(event);
}

void TitleBar::mouseMoveEvent(QMouseEvent* event)
{
    if (pressPosition_ && (event->buttons() & Qt::LeftButton) &&
        (event->globalPosition().toPoint() - *pressPosition_).manhattanLength() >= QApplication::startDragDistance()) {
        pressPosition_.reset();
        emit moveRequested();
    }
    QWidget::mouseMoveEvent(event);
}

void TitleBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressPosition_.reset();
    QWidget::mouseReleaseEvent(event);
}

void TitleBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}

void TitleBar::paintEvent(QPaintEvent*)
{
    PaintGradient(this, kTitleTop, kTitleBottom);
}

SectionTitleBar::SectionTitleBar(const QString& caption, QWidget* parent) : QWidget(parent)
{
    setFixedHeight(16);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(5, 0, 1, 0);
    layout->setSpacing(0);
    caption_ = new QLabel(caption, this);
    SetTextLook(caption_, {QColor(0x24, 0x30, 0x3C), 10, true});
    caption_->setTextFormat(Qt::PlainText);
    layout->addWidget(caption_, 1);
}

QToolButton* SectionTitleBar::setMenuButton(const QString& objectName, QMenu* menu)
{
    QToolButton* button = MakeSmallButton(this, objectName, kMenuArrowText, tr("Menu"), QColor(0x24, 0x30, 0x3C));
    button->setFixedSize(15, 14);
    connect(button, &QToolButton::clicked, this, [button, menu] { menu->popup(button->mapToGlobal(QPoint(0, button->height()))); });
    layout()->addWidget(button);
    return button;
}

void SectionTitleBar::paintEvent(QPaintEvent*)
{
    PaintGradient(this, kSectionTop, kSectionBottom);
}

} // namespace tessaro::controls
