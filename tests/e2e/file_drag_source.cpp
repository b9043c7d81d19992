// A small window that stands in for the desktop's file manager in the
// whole-program tests: pressing the left button on it starts a drag of the
// file named on the command line (text/uri-list), as dragging a file's
// icon does. Usage: file_drag_source FILE X Y
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

#include <cstdlib>

namespace {

class FileDragSource : public QWidget {
public:
    explicit FileDragSource(const QString& path) : path_(path)
    {
        setWindowTitle(QStringLiteral("file drag source"));
        setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40));
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
        mime->setUrls({QUrl::fromLocalFile(path_)});
        drag->setMimeData(mime);
        drag->exec(Qt::CopyAction);
    }

private:
    QString path_;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 4)
        return 2;
    FileDragSource source(QString::fromLocal8Bit(argv[1]));
    source.move(std::atoi(argv[2]), std::atoi(argv[3]));
    source.show();
    return app.exec();
}
