// Prints the colours of screen pixels as #RRGGBB, one line per "X Y" pair
// given on the command line, or with "--save FILE.png" saves the whole
// screen; used by the whole-program tests under Xvfb.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    if (screen.isNull()) {
        std::fprintf(stderr, "screen_probe: cannot grab the screen\n");
        return 1;
    }
    if (argc == 3 && std::strcmp(argv[1], "--save") == 0) {
        if (screen.save(QString::fromLocal8Bit(argv[2])))
            return 0;
        std::fprintf(stderr, "screen_probe: cannot write %s\n", argv[2]);
        return 1;
    }
    for (int i = 1; i + 1 < argc; i += 2) {
        const int x = std::atoi(argv[i]);
        const int y = std::atoi(argv[i + 1]);
        const QRgb pixel = screen.pixel(x, y);
        std::printf("#%02X%02X%02X\n", qRed(pixel), qGreen(pixel), qBlue(pixel));
    }
    return 0;
}
