// The manual and the pictures the build draws for it: every picture the
// manual shows is drawn, every drawn picture is shown, and none is an
// empty window.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QString ManualText()
{
    QFile file(QStringLiteral(TESSARO_MANUAL_INDEX));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The "shots/NAME.png" pictures the manual shows.
QSet<QString> ShownPictures(const QString& manual)
{
    QSet<QString> names;
    static const QRegularExpression source(QStringLiteral("<img src=\"shots/([^\"]+)\""));
    for (const QRegularExpressionMatch& match : source.globalMatch(manual))
        names.insert(match.captured(1));
    return names;
}

// An empty History window drawn at twice the density shows 2 colours below
// its title; the emptiest picture with content (a menu) shows over 250.
constexpr int kFewestColors = 64;

// How many colours a window picture shows below its title bar (the top 10 %).
int ColorsBelowTitle(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colors;
    for (int y = image.height() / 10; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        colors.unite(QSet<QRgb>(line, line + image.width()));
    }
    return int(colors.size());
}

// Text, swatches and controls bring dozens of colours (anti-aliasing
// included); a window with nothing in it has its background, its frame and
// little else.
bool IsEmptyWindow(int colors)
{
    return colors < kFewestColors;
}

} // namespace

class ManualPicturesTest : public QObject {
    Q_OBJECT
private slots:
    void everyShownPictureIsDrawnAndEveryDrawnPictureShown()
    {
        const QSet<QString> shown = ShownPictures(ManualText());
        QVERIFY(!shown.isEmpty());
        const QStringList drawnList = QDir(QStringLiteral(TESSARO_MANUAL_SHOTS)).entryList({QStringLiteral("*.png")});
        const QSet<QString> drawn(drawnList.begin(), drawnList.end());
        for (const QString& name : shown)
            QVERIFY2(drawn.contains(name), qPrintable(name + QStringLiteral(" is shown but not drawn")));
        for (const QString& name : drawn)
            QVERIFY2(shown.contains(name), qPrintable(name + QStringLiteral(" is drawn but the manual never shows it")));
    }

    // An empty window (a History without steps, a Reopen without files)
    // is its background and its frame.
    void noPictureIsAnEmptyWindow()
    {
        for (const QString& name : ShownPictures(ManualText())) {
            const QImage picture(QStringLiteral(TESSARO_MANUAL_SHOTS "/") + name);
            QVERIFY2(!picture.isNull(), qPrintable(name + QStringLiteral(" cannot be read")));
            const int colors = ColorsBelowTitle(picture);
            QVERIFY2(IsEmptyWindow(colors) == false,
                     qPrintable(QStringLiteral("%1 looks empty: %2 colours").arg(name).arg(colors)));
        }
    }

    // The check itself: a window with nothing in it is refused.
    void anEmptyWindowIsRefused()
    {
        QImage empty(310, 900, QImage::Format_RGB32);
        empty.fill(Qt::white);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < empty.width(); ++x)
                empty.setPixel(x, y, qRgb(40, 60, 80 + x % 100));
        for (int y = 0; y < empty.height(); ++y)
            empty.setPixel(0, y, qRgb(180, 190, 200));
        const int colors = ColorsBelowTitle(empty);
        QVERIFY(IsEmptyWindow(colors));
    }
};

QTEST_GUILESS_MAIN(ManualPicturesTest)
#include "manual_pictures_test.moc"
