// A small window that stands in for another desktop program's colour in the
// whole-program tests: pressing the left button on it starts a drag that
// offers the colour as a colour button does (application/x-color) or only
// as the text "#RRGGBB", as a text editor's selection does.
// Usage: color_drag_source color|text #RRGGBB X Y
#include <QApplication>
#include <QColor>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QWidget>

#include <cstdlib>
#include <cstring>

namespace {

class ColorDragSource : public QWidget {
public:
    ColorDragSource(bool asColor, const QColor& color) : asColor_(asColor), color_(color)
    {
        setWindowTitle(asColor ? QStringLiteral("colour drag source") : QStringLiteral("text drag source"));
        setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, color);
        setPalette(palette);
        resize(100, 60);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        auto* drag = new QDrag(this);
        auto* mime = new QMimeData;
        if (asColor_)
            mime->setColorData(color_);
        else
            mime->setText(color_.name(QColor::HexRgb).toUpper());
        drag->setMimeData(mime);
        drag->exec(Qt::CopyAction);
    }

private:
    bool asColor_;
    QColor color_;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 5 || (std::strcmp(argv[1], "color") != 0 && std::strcmp(argv[1], "text") != 0))
        return 2;
    const QColor color(QString::fromLatin1(argv[2]));
    if (!color.isValid())
        return 2;
    ColorDragSource source(std::strcmp(argv[1], "color") == 0, color);
    source.move(std::atoi(argv[3]), std::atoi(argv[4]));
    source.show();
    return app.exec();
}
