// Shows a known picture on the screen for the whole-program tests: a
// borderless window at X Y of four 100 x 100 blocks, left to right and top
// to bottom #C83214, #1E8C5A, #2846B4 and #F0D228. Runs until killed.
// Usage: screen_pattern X Y
#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <cstdlib>

namespace {

class Pattern : public QWidget {
public:
    Pattern() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) { setFixedSize(200, 200); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(0, 0, 100, 100, QColor(0xC8, 0x32, 0x14));
        painter.fillRect(100, 0, 100, 100, QColor(0x1E, 0x8C, 0x5A));
        painter.fillRect(0, 100, 100, 100, QColor(0x28, 0x46, 0xB4));
        painter.fillRect(100, 100, 100, 100, QColor(0xF0, 0xD2, 0x28));
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Pattern pattern;
    pattern.setWindowTitle(QStringLiteral("screen pattern"));
    if (argc == 3)
        pattern.move(std::atoi(argv[1]), std::atoi(argv[2]));
    pattern.show();
    return app.exec();
}
