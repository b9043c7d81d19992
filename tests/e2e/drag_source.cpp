// A small window that stands in for another desktop program in the
// whole-program tests: pressing the left button on it starts a drag, as
// dragging from that program does.
//   drag_source color #RRGGBB X Y   a colour button's colour (application/x-color)
//   drag_source text #RRGGBB X Y    a text editor's selection ("#RRGGBB" as text)
//   drag_source file PATH X Y       a file manager's file icon (text/uri-list)
// The window lies at X, Y, titled "colour drag source", "text drag source"
// or "file drag source".
#include <QApplication>
#include <QColor>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

class DragSource : public QWidget {
public:
    DragSource(const QString& title, const QColor& shown, std::function<QMimeData*()> payload)
        : payload_(std::move(payload))
    {
        setWindowTitle(title);
        setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, shown);
        setPalette(palette);
        resize(100, 60);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        auto* drag = new QDrag(this);
        drag->setMimeData(payload_());
        drag->exec(Qt::CopyAction);
    }

private:
    std::function<QMimeData*()> payload_;
};

int Usage()
{
    std::fputs("usage: drag_source color|text #RRGGBB X Y\n       drag_source file PATH X Y\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 5)
        return Usage();
    const QString mode = QString::fromLatin1(argv[1]);
    const QString what = QString::fromLocal8Bit(argv[2]);
    const QColor color(what);
    std::unique_ptr<DragSource> source;
    if (mode == QStringLiteral("file")) {
        source = std::make_unique<DragSource>(QStringLiteral("file drag source"), QColor(0x40, 0x40, 0x40), [what] {
            auto* mime = new QMimeData;
            mime->setUrls({QUrl::fromLocalFile(what)});
            return mime;
        });
    } else if (mode == QStringLiteral("color") && color.isValid()) {
        source = std::make_unique<DragSource>(QStringLiteral("colour drag source"), color, [color] {
            auto* mime = new QMimeData;
            mime->setColorData(color);
            return mime;
        });
    } else if (mode == QStringLiteral("text") && color.isValid()) {
        source = std::make_unique<DragSource>(QStringLiteral("text drag source"), color, [color] {
            auto* mime = new QMimeData;
            mime->setText(color.name(QColor::HexRgb).toUpper());
            return mime;
        });
    } else {
        return Usage();
    }
    source->move(std::atoi(argv[3]), std::atoi(argv[4]));
    source->show();
    return app.exec();
}
