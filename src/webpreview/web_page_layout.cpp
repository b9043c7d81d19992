#include "webpreview/web_page_layout.h"

#include <algorithm>

namespace tessaro::webpreview {

namespace {

constexpr const char* kContentsSample =
    "This is a sample text. To change a text, right click on it. To change the change the properties of the "
    "text, double click on it. To change any color, simply drag and drop a color.";

WebPageText DefaultText(std::string string, std::string family, int pointSize, bool bold, bool underline)
{
    WebPageText text;
    text.string = std::move(string);
    text.color = kBlack;
    text.font.family = std::move(family);
    text.font.pointSize = pointSize;
    text.font.bold = bold;
    text.font.underline = underline;
    return text;
}

} // namespace

WebText LinkText(int number)
{
    return WebText(int(WebText::Link1) + std::clamp(number, 1, kLinkCount) - 1);
}

WebArea AreaOf(WebText text)
{
    switch (text) {
    case WebText::Header: return WebArea::Header;
    case WebText::Footer: return WebArea::Footer;
    case WebText::Title:
    case WebText::Contents: return WebArea::Contents;
    default: return WebArea::Navigation;
    }
}

WebPageLayout::WebPageLayout()
{
    areaColors_.fill(kWhite);
    texts_[Index(WebText::Header)] = DefaultText("Header", "Arial", 24, true, false);
    texts_[Index(WebText::Footer)] = DefaultText("Footer", "MS Sans Serif", 8, false, false);
    for (int i = 1; i <= kLinkCount; ++i)
        texts_[Index(LinkText(i))] = DefaultText("This is link " + std::to_string(i), "MS Sans Serif", 8, false, true);
    texts_[Index(WebText::Title)] = DefaultText("Page 1", "Arial", 16, true, false);
    texts_[Index(WebText::Contents)] = DefaultText(kContentsSample, "MS Sans Serif", 8, false, false);
}

void WebPageLayout::SetBorderAndDividerColor(TColor color)
{
    borderColor_ = color;
    dividerColor_ = color;
}

bool WebPageLayout::SetTextString(WebText text, std::string_view string)
{
    if (string.empty())
        return false;
    std::string oneLine(string);
    std::replace(oneLine.begin(), oneLine.end(), '\r', ' ');
    std::replace(oneLine.begin(), oneLine.end(), '\n', ' ');
    texts_[Index(text)].string = std::move(oneLine);
    return true;
}

int WebPageLayout::DividerSize(WebDivider divider) const
{
    switch (divider) {
    case WebDivider::Header: return headerHeight_;
    case WebDivider::Footer: return footerHeight_;
    case WebDivider::Navigation: return navigationWidth_;
    }
    return 0;
}

int WebPageLayout::SetHeaderHeight(int height)
{
    headerHeight_ = std::clamp(height, 0, kMaxHeaderPlusFooter - footerHeight_);
    return headerHeight_;
}

int WebPageLayout::SetFooterHeight(int height)
{
    footerHeight_ = std::clamp(height, 0, kMaxHeaderPlusFooter - headerHeight_);
    return footerHeight_;
}

int WebPageLayout::SetNavigationWidth(int width)
{
    navigationWidth_ = std::clamp(width, 0, kMaxNavigationWidth);
    return navigationWidth_;
}

int WebPageLayout::SetDividerSize(WebDivider divider, int size)
{
    switch (divider) {
    case WebDivider::Header: return SetHeaderHeight(size);
    case WebDivider::Footer: return SetFooterHeight(size);
    case WebDivider::Navigation: return SetNavigationWidth(size);
    }
    return 0;
}

int WebPageLayout::DragDivider(WebDivider divider, int size)
{
    return SetDividerSize(divider, size <= 1 ? 0 : size);
}

} // namespace tessaro::webpreview
