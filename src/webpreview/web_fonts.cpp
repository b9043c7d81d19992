#include "webpreview/web_fonts.h"

#include "platform/qt_color.h"

#include <array>

namespace tessaro::webpreview {

namespace {

struct FaceTwin {
    const char* family;
    const char* twin;
};

constexpr std::array kTwins{
    FaceTwin{"Arial", "Liberation Sans"},
    FaceTwin{"Helvetica", "Liberation Sans"},
    FaceTwin{"MS Sans Serif", "DejaVu Sans"},
    FaceTwin{"Microsoft Sans Serif", "DejaVu Sans"},
    FaceTwin{"Tahoma", "DejaVu Sans"},
    FaceTwin{"Verdana", "DejaVu Sans"},
    FaceTwin{"Times New Roman", "Liberation Serif"},
    FaceTwin{"Courier New", "Liberation Mono"},
};

// The pixel size of a point size on the 96 dots per inch the page was laid
// out for.
int PixelSize(int pointSize)
{
    return std::max(1, (pointSize * 96 + 36) / 72);
}

} // namespace

QStringList ScreenFamilies(const std::string& family)
{
    const QString name = QString::fromStdString(family);
    QStringList families{name};
    for (const FaceTwin& twin : kTwins)
        if (name.compare(QLatin1String(twin.family), Qt::CaseInsensitive) == 0)
            families << QString::fromLatin1(twin.twin);
    return families;
}

QFont ScreenFont(const WebFont& font)
{
    QFont screen;
    screen.setFamilies(ScreenFamilies(font.family));
    // A face with no twin that is not installed gets fontconfig's substitute
    // of its kind (serif for Georgia), as the layouts' texts and a browser
    // do; the hint is set so none comes from the window's own face.
    screen.setStyleHint(QFont::AnyStyle);
    screen.setPixelSize(PixelSize(font.pointSize));
    screen.setBold(font.bold);
    screen.setItalic(font.italic);
    screen.setUnderline(font.underline);
    screen.setStrikeOut(font.strikeOut);
    return screen;
}

platform::FontChoice ToFontChoice(const WebPageText& text)
{
    QFont font(QString::fromStdString(text.font.family));
    font.setPointSize(std::max(1, text.font.pointSize));
    font.setBold(text.font.bold);
    font.setItalic(text.font.italic);
    font.setUnderline(text.font.underline);
    font.setStrikeOut(text.font.strikeOut);
    return {font, ToQColor(text.color)};
}

WebFont FromFontChoice(const platform::FontChoice& choice, int charset)
{
    WebFont font;
    font.family = choice.font.family().toStdString();
    font.pointSize = choice.font.pointSize() > 0 ? choice.font.pointSize() : 8;
    font.bold = choice.font.bold();
    font.italic = choice.font.italic();
    font.underline = choice.font.underline();
    font.strikeOut = choice.font.strikeOut();
    font.charset = charset;
    return font;
}

} // namespace tessaro::webpreview
