// Build-time drawing of the program's pictures: the splash and About
// picture, the toolbar icons and the program icon, drawn from their SVG
// files, and the title bars' button glyphs, at the pixel ratios screens
// mostly have (1 and 2), written as their premultiplied ARGB pixels, with a
// resource list per ratio.
// The program shows these as they are, so that it starts without
// laying out the splash's texts or drawing SVG; other ratios are drawn from
// the SVG files at run time.
//
//   tessaro_prerender_pictures SVG_DIR OUT_DIR FILE_VERSION
//
// Writes into OUT_DIR, for RATIO 1 and 2:
//   splash-RATIOx.argb    the splash and About picture (the About window
//                         lays its version line over it)
//   splash-version-RATIOx.argb   the same with the version line drawn in
//   NAME-RATIOx.argb, NAME-hover-RATIOx.argb   each toolbar icon, 32 x 32
//   title-glyph-CODE-RATIOx.argb   each title bar button's glyph, white
//                         on a transparent ground as its button writes it
// and kt-tessaro-SIZE-1x.argb, the program icon at each of
// kProgramIconSizes, and prerendered-RATIOx.qrc, the resource list of those
// drawn at RATIO, all under /prerendered. Exits 1, naming the file, when an
// SVG file cannot be read or a picture cannot be written.
#include "controls/title_glyphs.h"
#include "platform/qt_fonts.h"
#include "workspace/prerendered_pictures.h"
#include "workspace/version_line.h"

#include <QFile>
#include <QList>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

using namespace tessaro::workspace;

// `svg` drawn at `size` logical pixels and `ratio`, on a transparent ground.
QImage Draw(const QString& svg, QSize size, int ratio)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "tessaro_prerender_pictures: cannot read %s\n", qPrintable(svg));
        std::exit(1);
    }
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

[[noreturn]] void CannotWrite(const QString& path)
{
    std::fprintf(stderr, "tessaro_prerender_pictures: cannot write %s\n", qPrintable(path));
    std::exit(1);
}

// The files written, for the resource list, each with its pixel ratio.
QList<std::pair<QString, int>> written;

// The picture's rows of pixels, one after the other.
void Write(const QImage& image, const QString& dir, const QString& name, int ratio)
{
    const QString file = PrerenderedPictureFile(name, ratio);
    QFile out(dir + file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        CannotWrite(dir + file);
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < pixels.height(); ++y)
        if (out.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), qint64(pixels.width()) * 4) !=
            qint64(pixels.width()) * 4)
            CannotWrite(dir + file);
    if (!out.flush())
        CannotWrite(dir + file);
    written.append({file, ratio});
}

// The resource list of the pictures drawn at `ratio`.
void WriteResourceList(const QString& path, int ratio)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        CannotWrite(path);
    QTextStream out(&file);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/prerendered\">\n";
    for (const auto& [name, drawnAt] : written)
        if (drawnAt == ratio)
            out << "    <file>" << name << "</file>\n";
    out << "</qresource>\n</RCC>\n";
    out.flush();
    if (out.status() != QTextStream::Ok || !file.flush())
        CannotWrite(path);
}

// `glyph` as a title bar's button writes it in the program's font.
QImage DrawTitleGlyph(QChar glyph, int ratio)
{
    using namespace tessaro::controls;
    QImage image(kTitleGlyphBox * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(TitleGlyphFont(tessaro::platform::ProgramFont()));
        WriteTitleGlyph(painter, QRect(QPoint(0, 0), kTitleGlyphBox), QString(glyph), Qt::white);
    }
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SVG_DIR OUT_DIR FILE_VERSION\n", argv[0]);
        return 2;
    }
    // Drawn off any screen: the build needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString svgDir = QString::fromLocal8Bit(argv[1]) + QLatin1Char('/');
    const QString outDir = QString::fromLocal8Bit(argv[2]) + QLatin1Char('/');
    const QString versionLine = VersionLine(QString::fromLocal8Bit(argv[3]));

    for (const int ratio : kPrerenderedRatios) {
        QImage picture = Draw(svgDir + QStringLiteral("splash.svg"), kSplashSize, ratio);
        Write(picture, outDir, QStringLiteral("splash"), ratio);
        // The version line as the About window's label draws it: the
        // program's font, white, left-aligned and centred in its box.
        {
            QPainter painter(&picture);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.setFont(tessaro::platform::ProgramFont());
            painter.setPen(Qt::white);
            painter.drawText(kVersionLineBox, Qt::AlignLeft | Qt::AlignVCenter, versionLine);
        }
        Write(picture, outDir, QStringLiteral("splash-version"), ratio);
        for (const char* icon : kToolbarIconNames)
            for (const QString& state : {QString(), QStringLiteral("-hover")}) {
                const QString name = QLatin1String(icon) + state;
                Write(Draw(svgDir + name + QStringLiteral(".svg"), kToolbarIconSize, ratio), outDir, name, ratio);
            }
        for (const char16_t glyph : tessaro::controls::kTitleGlyphs)
            Write(DrawTitleGlyph(glyph, ratio), outDir, tessaro::controls::TitleGlyphPictureName(glyph), ratio);
    }
    for (const int size : kProgramIconSizes)
        Write(Draw(svgDir + QStringLiteral("kt-tessaro.svg"), QSize(size, size), 1),
              outDir, ProgramIconPictureName(size), 1);
    for (const int ratio : kPrerenderedRatios)
        WriteResourceList(outDir + QStringLiteral("prerendered-%1x.qrc").arg(ratio), ratio);
    return 0;
}
