// The sample web page: four areas on a background inside a border, nine
// texts, and the three free sizes (header height, footer height, navigation
// width) from which the rest of the page's geometry follows.
#pragma once

#include "engine/color.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro::webpreview {

enum class WebArea { Header, Footer, Navigation, Contents };
inline constexpr std::array kWebAreas{WebArea::Header, WebArea::Footer, WebArea::Navigation, WebArea::Contents};

enum class WebText { Header, Footer, Link1, Link2, Link3, Link4, Link5, Title, Contents };
inline constexpr std::array kWebTexts{WebText::Header, WebText::Footer, WebText::Link1,
                                      WebText::Link2,  WebText::Link3,  WebText::Link4,
                                      WebText::Link5,  WebText::Title,  WebText::Contents};
inline constexpr int kLinkCount = 5;
// Link 1..5.
WebText LinkText(int number);

// The area a text lies in.
WebArea AreaOf(WebText text);

// The character set a font takes when nothing else is known.
inline constexpr int kDefaultCharset = 1;

struct WebFont {
    std::string family;
    int pointSize = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = kDefaultCharset;
    friend bool operator==(const WebFont&, const WebFont&) = default;
};

struct WebPageText {
    std::string string;
    TColor color = 0;
    WebFont font;
    friend bool operator==(const WebPageText&, const WebPageText&) = default;
};

// The page interior inside the 2-pixel border, and the divider thickness.
inline constexpr int kPageWidth = 385;
inline constexpr int kPageHeight = 297;
inline constexpr int kBorderWidth = 2;
inline constexpr int kDividerThickness = 2;
// The largest header plus footer height (room for two dividers) and the
// largest navigation width (room for one).
inline constexpr int kMaxHeaderPlusFooter = kPageHeight - 2 * kDividerThickness;
inline constexpr int kMaxNavigationWidth = kPageWidth - kDividerThickness;

inline constexpr TColor kWhite = 0xFFFFFF;
inline constexpr TColor kBlack = 0;

enum class WebDivider { Header, Footer, Navigation };

class WebPageLayout {
public:
    // The default page: black border and background, white areas, black
    // texts with their default strings and fonts, H 49, F 25, W 113.
    WebPageLayout();

    TColor AreaColor(WebArea area) const { return areaColors_[Index(area)]; }
    void SetAreaColor(WebArea area, TColor color) { areaColors_[Index(area)] = color; }

    TColor BorderColor() const { return borderColor_; }
    // The border alone; the dividers keep their colour.
    void SetBorderColor(TColor color) { borderColor_ = color; }
    // The border and, from now on, the dividers.
    void SetBorderAndDividerColor(TColor color);

    TColor BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(TColor color) { backgroundColor_ = color; }
    // The background colour until the dividers are given their own.
    TColor DividerColor() const { return dividerColor_.value_or(backgroundColor_); }

    const WebPageText& Text(WebText text) const { return texts_[Index(text)]; }
    // An empty string is refused (false) and changes nothing; line breaks
    // become blanks, since every string lives on one line of a layout file.
    bool SetTextString(WebText text, std::string_view string);
    void SetTextColor(WebText text, TColor color) { texts_[Index(text)].color = color; }
    void SetTextFont(WebText text, const WebFont& font) { texts_[Index(text)].font = font; }

    int HeaderHeight() const { return headerHeight_; }
    int FooterHeight() const { return footerHeight_; }
    int NavigationWidth() const { return navigationWidth_; }
    int DividerSize(WebDivider divider) const;

    // Each setter holds the size to what the page has room for beside the
    // other sizes (never negative, never larger than the page) and returns
    // the size it set.
    int SetHeaderHeight(int height);
    int SetFooterHeight(int height);
    int SetNavigationWidth(int width);
    int SetDividerSize(WebDivider divider, int size);
    // A divider dragged by the user: a size of 1 pixel or less snaps to 0,
    // then the size is held to the room there is.
    int DragDivider(WebDivider divider, int size);

    friend bool operator==(const WebPageLayout&, const WebPageLayout&) = default;

private:
    static std::size_t Index(WebArea area) { return std::size_t(area); }
    static std::size_t Index(WebText text) { return std::size_t(text); }

    std::array<TColor, kWebAreas.size()> areaColors_;
    TColor borderColor_ = kBlack;
    TColor backgroundColor_ = kBlack;
    std::optional<TColor> dividerColor_;
    std::array<WebPageText, kWebTexts.size()> texts_;
    int headerHeight_ = 49;
    int footerHeight_ = 25;
    int navigationWidth_ = 113;
};

} // namespace tessaro::webpreview
