// The glyphs the title bars' small buttons write ("_", "\u2715", "\u25BE"),
// and their pictures drawn when the program was built. Writing one of them
// at run time loads a font engine for the buttons' small size, and as the
// program's font lacks the cross and the triangle, the system's fallback
// fonts are searched and another engine is loaded; a picture drawn once
// and tinted in the button's colour shows the same pixels without either.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <functional>

namespace tessaro::controls {

// The glyphs drawn at build time, and the box of the button they are
// centred in.
inline constexpr std::array<char16_t, 3> kTitleGlyphs{u'_', u'\u2715', u'\u25BE'};
inline constexpr QSize kTitleGlyphBox{17, 15};

// The name of a glyph's picture: "title-glyph-" and its code in hex.
inline QString TitleGlyphPictureName(QChar glyph)
{
    return QStringLiteral("title-glyph-%1").arg(glyph.unicode(), 4, 16, QLatin1Char('0'));
}

// The buttons' font: `font` (the application's) at 9 pixels.
inline QFont TitleGlyphFont(QFont font)
{
    font.setPixelSize(9);
    return font;
}

// A glyph written with the painter's font, as the pictures were drawn.
inline void WriteTitleGlyph(QPainter& painter, const QRect& box, const QString& glyph, const QColor& color)
{
    painter.setPen(color);
    painter.drawText(box, Qt::AlignCenter, glyph);
}

// The picture named `name`, `size` logical pixels at a pixel ratio, white on
// a transparent ground in premultiplied ARGB; null when none was drawn.
using TitleGlyphPictures = std::function<QImage(const QString& name, QSize size, qreal devicePixelRatio)>;

// Where the pictures come from and the font they were written in. Until
// this is called, and for any other font, the glyphs are written.
void SetTitleGlyphPictures(TitleGlyphPictures pictures, const QFont& font);

// The picture to show for `glyph` centred in `box` in `color` by
// `painter`, or a null image where writing it could give other pixels: no
// pictures, another font, box or pixel ratio, a colour that is not opaque,
// a painter that turns, scales, fades or blends otherwise, or single pixel
// ratio text while a screen is scaled (Qt then draws all text unhinted).
QImage TitleGlyphPicture(const QPainter& painter, const QRect& box, const QString& glyph, const QColor& color);

// Shows `glyph` centred in `box` in `color` exactly as WriteTitleGlyph
// would with the painter's font: from its picture where there is one.
void PaintTitleGlyph(QPainter& painter, const QRect& box, const QString& glyph, const QColor& color);

} // namespace tessaro::controls
