// The test document as the Test Color window shows it: a background, ten
// shapes, ten texts and five images, arranged by a layout and coloured by
// drops, default colours and schemes. Drawing it is the window's job; this
// model holds the state, applies layouts and finds the object under a point.
#pragma once

#include "engine/color.h"
#include "engine/keyvalue_text.h"
#include "layouts/layout_key.h"
#include "layouts/test_layout.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace tessaro::layouts {

// One of the 25 fixed objects; the fields of the other kinds are unused.
struct LayoutObject {
    ObjectKind kind = ObjectKind::Shape;
    int number = 1;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;

    // Shape
    bool ellipse = false;
    TColor fill = 0;
    TColor outline = 0;

    // Text
    std::string text;
    std::string font;
    int fontSize = 10;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    TColor textColor = 0;

    // Image: the "filename" value as written in the layout, and the file it
    // resolved to; both empty when the image has no picture.
    std::string fileValue;
    std::string picturePath;
    bool stretch = false;
    bool center = false;

    friend bool operator==(const LayoutObject&, const LayoutObject&) = default;
};

// Sizes are held to what a screen can show: a layout of any numbers never
// makes the window allocate more than this per side.
inline constexpr int kMaxDocumentSide = 8192;
inline constexpr int kMaxObjectPosition = 8192;
inline constexpr int kMaxFontSize = 1000;

struct TestArea {
    TColor background = 0xFFFFFF;
    int width = 425;
    int height = 385;
    std::string title;
    std::array<LayoutObject, kShapeCount> shapes;
    std::array<LayoutObject, kTextCount> texts;
    std::array<LayoutObject, kImageCount> images;

    // Object `number` (1-based) of a kind.
    LayoutObject& Object(ObjectKind kind, int number);
    const LayoutObject& Object(ObjectKind kind, int number) const;
};

// Whether two areas hold the same layout: objects, document size and
// title, whatever their colours.
bool SameArrangement(const TestArea& a, const TestArea& b);

// The objects before any layout: a column of grey squares, a column of empty
// image boxes and a column of texts "Text1".."Text10" in Tahoma 10, black.
TestArea InitialTestArea();

// Called when an image's "filename" names an existing file; the window loads
// the picture here and throws to stop the load when it cannot read it.
using PictureHook = std::function<void(const LayoutObject& image)>;

// Applies a layout's document fields and objects in the loader's order:
// title, size, shapes, then (with `showTexts`) texts and images. Colours are
// never changed. With `showTexts` off, every text and every image is hidden
// and no picture is loaded. Every image loses its picture first. Throws
// ConversionError at the first key that is not an integer, leaving what was
// applied before it.
void ApplyLayout(TestArea& area, const TestLayout& layout, bool showTexts, const std::string& layoutsFolder,
                 const PictureHook& loadPicture = {});

// Each shape's outline takes its fill colour.
void SetOutlinesToFills(TestArea& area);

// The layout's default colours ("s1.color".."s10.color", "t1.color"..
// "t10.color", "background.color"), each present one read as a named colour
// text, then every outline to its fill. Throws ConversionError at the first
// bad colour, leaving what was set before it (outlines untouched).
void RestoreDefaultColors(TestArea& area, const KeyValueText& lines);

// What lies under a point of the test area, topmost first: texts 1..10,
// images 1..5, shapes 1..10, then the background. Hidden objects are passed
// over; a point outside the document hits nothing.
struct HitTarget {
    enum class What { Background, Object } what = What::Background;
    ObjectKind kind = ObjectKind::Shape;
    int number = 0;
    friend bool operator==(const HitTarget&, const HitTarget&) = default;
};
std::optional<HitTarget> HitTest(const TestArea& area, int x, int y);

// "Test Area - " + title, or "Test Area" without a title.
std::string TestAreaTitle(const std::string& title);
// The window's client size for a document.
struct ClientSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const ClientSize&, const ClientSize&) = default;
};
ClientSize WindowClientSize(int documentWidth, int documentHeight);

// " R: 255, G: 128, B: 0, HEX: #FF8000 " for a shape or a text.
std::string ColorStatusText(TColor color);
// The background's status text: an invitation followed by its values.
std::string BackgroundStatusText(TColor color);

} // namespace tessaro::layouts
