// Build tool: draws an SVG file as a square PNG of the given size.
//   tessaro-render-svg IN.svg OUT.png SIZE
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    bool ok = false;
    const int size = args.size() == 4 ? args.at(3).toInt(&ok) : 0;
    if (!ok || size <= 0) {
        std::fprintf(stderr, "usage: tessaro-render-svg IN.svg OUT.png SIZE\n");
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "tessaro-render-svg: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image.save(args.at(2), "PNG") ? 0 : 1;
}
