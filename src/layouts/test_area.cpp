#include "layouts/test_area.h"

#include "engine/color_text.h"
#include "engine/named_color.h"
#include "layouts/image_path.h"

#include <algorithm>

namespace tessaro::layouts {

namespace {

constexpr TColor kInitialShapeFills[kShapeCount] = {
    0xF2F2F2, 0xE2E2E2, 0xCFCFCF, 0xBCBCBC, 0xADADAD, 0x9E9E9E, 0x959595, 0x8B8B8B, 0x7D7D7D, 0x646464,
};

// Reads one object's properties from the layout lines.
class ObjectReader {
public:
    ObjectReader(const KeyValueText& lines, LayoutObject& object) : lines_(lines), object_(object) {}

    std::optional<std::string> Value(std::string_view property) const
    {
        return lines_.Get(LayoutKey(object_.kind, object_.number, property));
    }
    // An integer property held to [low, high]; a missing key keeps `target`.
    void Integer(std::string_view property, int& target, int low, int high) const
    {
        if (const auto value = Value(property))
            target = std::clamp(ReadInteger(*value), low, high);
    }
    void Position(std::string_view property, int& target) const
    {
        Integer(property, target, -kMaxObjectPosition, kMaxObjectPosition);
    }
    void Size(std::string_view property, int& target) const { Integer(property, target, 0, kMaxDocumentSide); }
    // Exactly "1" is yes; anything else, a missing key included, is no.
    bool Flag(std::string_view property) const { return Value(property) == "1"; }
    void Text(std::string_view property, std::string& target) const
    {
        if (auto value = Value(property))
            target = std::move(*value);
    }

private:
    const KeyValueText& lines_;
    LayoutObject& object_;
};

void ApplyShape(const KeyValueText& lines, LayoutObject& shape)
{
    const ObjectReader read(lines, shape);
    read.Position("left", shape.left);
    read.Position("top", shape.top);
    read.Size("height", shape.height);
    read.Size("width", shape.width);
    shape.visible = read.Flag("visible");
    shape.ellipse = read.Value("shape") == "e";
}

void ApplyText(const KeyValueText& lines, LayoutObject& text)
{
    const ObjectReader read(lines, text);
    read.Size("height", text.height);
    read.Size("width", text.width);
    read.Position("left", text.left);
    read.Position("top", text.top);
    read.Text("font", text.font);
    read.Integer("font.size", text.fontSize, -kMaxFontSize, kMaxFontSize);
    read.Text("text", text.text);
    text.visible = read.Flag("visible");
    text.bold = read.Flag("bold");
    text.italic = read.Flag("italic");
    text.underline = read.Flag("underline");
}

void ApplyImage(const KeyValueText& lines, LayoutObject& image, const std::string& layoutsFolder,
                const PictureHook& loadPicture)
{
    const ObjectReader read(lines, image);
    read.Size("height", image.height);
    read.Size("width", image.width);
    read.Position("left", image.left);
    read.Position("top", image.top);
    if (const auto value = read.Value("filename")) {
        std::string path = ResolveImagePath(*value, layoutsFolder);
        if (PictureFileExists(path)) {
            image.fileValue = *value;
            image.picturePath = std::move(path);
            if (loadPicture)
                loadPicture(image);
        }
    }
    image.visible = read.Flag("visible");
    image.stretch = read.Flag("stretch");
    image.center = read.Flag("center");
}

bool Contains(const LayoutObject& object, int x, int y)
{
    return object.visible && x >= object.left && x - object.left < object.width && y >= object.top &&
           y - object.top < object.height;
}

std::string ColorValues(TColor color)
{
    return "R: " + std::to_string(RedOf(color)) + ", G: " + std::to_string(GreenOf(color)) +
           ", B: " + std::to_string(BlueOf(color)) + ", HEX: " + HashHexText(color) + " ";
}

} // namespace

LayoutObject& TestArea::Object(ObjectKind kind, int number)
{
    const std::size_t i = std::size_t(number - 1);
    switch (kind) {
    case ObjectKind::Shape: return shapes.at(i);
    case ObjectKind::Text: return texts.at(i);
    case ObjectKind::Image: break;
    }
    return images.at(i);
}

const LayoutObject& TestArea::Object(ObjectKind kind, int number) const
{
    return const_cast<TestArea&>(*this).Object(kind, number);
}

TestArea InitialTestArea()
{
    TestArea area;
    // Each kind in a column, object n 32 pixels below object n - 1.
    const auto place = [](LayoutObject& object, ObjectKind kind, int n, int left, int width) {
        object.kind = kind;
        object.number = n;
        object.left = left;
        object.top = 24 + 32 * (n - 1);
        object.width = width;
        object.height = 25;
    };
    for (int n = 1; n <= kShapeCount; ++n) {
        LayoutObject& shape = area.shapes[std::size_t(n - 1)];
        place(shape, ObjectKind::Shape, n, 16, 25);
        shape.fill = shape.outline = kInitialShapeFills[n - 1];
    }
    for (int n = 1; n <= kImageCount; ++n)
        place(area.images[std::size_t(n - 1)], ObjectKind::Image, n, 56, 25);
    for (int n = 1; n <= kTextCount; ++n) {
        LayoutObject& text = area.texts[std::size_t(n - 1)];
        place(text, ObjectKind::Text, n, 104, 100);
        text.text = "Text" + std::to_string(n);
        text.font = "Tahoma";
        text.fontSize = 10;
    }
    return area;
}

void ApplyLayout(TestArea& area, const TestLayout& layout, bool showTexts, const std::string& layoutsFolder,
                 const PictureHook& loadPicture)
{
    for (LayoutObject& image : area.images) {
        image.fileValue.clear();
        image.picturePath.clear();
    }
    area.title = layout.fields.title;
    area.width = std::clamp(ReadInteger(layout.fields.width), 0, kMaxDocumentSide);
    area.height = std::clamp(ReadInteger(layout.fields.height), 0, kMaxDocumentSide);
    for (LayoutObject& shape : area.shapes)
        ApplyShape(layout.lines, shape);
    if (showTexts) {
        for (LayoutObject& text : area.texts)
            ApplyText(layout.lines, text);
        for (LayoutObject& image : area.images)
            ApplyImage(layout.lines, image, layoutsFolder, loadPicture);
        return;
    }
    for (LayoutObject& text : area.texts)
        text.visible = false;
    for (LayoutObject& image : area.images)
        image.visible = false;
}

void SetOutlinesToFills(TestArea& area)
{
    for (LayoutObject& shape : area.shapes)
        shape.outline = shape.fill;
}

void RestoreDefaultColors(TestArea& area, const KeyValueText& lines)
{
    for (LayoutObject& shape : area.shapes)
        if (const auto value = lines.Get(LayoutKey(ObjectKind::Shape, shape.number, "color")))
            shape.fill = NamedTextToColor(*value);
    for (LayoutObject& text : area.texts)
        if (const auto value = lines.Get(LayoutKey(ObjectKind::Text, text.number, "color")))
            text.textColor = NamedTextToColor(*value);
    if (const auto value = lines.Get("background.color"))
        area.background = NamedTextToColor(*value);
    SetOutlinesToFills(area);
}

std::optional<HitTarget> HitTest(const TestArea& area, int x, int y)
{
    if (x < 0 || y < 0 || x >= area.width || y >= area.height)
        return std::nullopt;
    for (const auto* objects : {area.texts.data(), area.images.data(), area.shapes.data()}) {
        const int count = ObjectCount(objects[0].kind);
        for (int i = 0; i < count; ++i)
            if (Contains(objects[i], x, y))
                return HitTarget{HitTarget::What::Object, objects[i].kind, objects[i].number};
    }
    return HitTarget{};
}

bool SameArrangement(const TestArea& a, const TestArea& b)
{
    TestArea uncoloured = a;
    for (std::size_t i = 0; i < uncoloured.shapes.size(); ++i) {
        uncoloured.shapes[i].fill = b.shapes[i].fill;
        uncoloured.shapes[i].outline = b.shapes[i].outline;
    }
    for (std::size_t i = 0; i < uncoloured.texts.size(); ++i)
        uncoloured.texts[i].textColor = b.texts[i].textColor;
    return uncoloured.shapes == b.shapes && uncoloured.texts == b.texts && uncoloured.images == b.images &&
           uncoloured.width == b.width && uncoloured.height == b.height && uncoloured.title == b.title;
}

std::string TestAreaTitle(const std::string& title)
{
    return title.empty() ? "Test Area" : "Test Area - " + title;
}

ClientSize WindowClientSize(int documentWidth, int documentHeight)
{
    return {documentWidth + 194, documentHeight + 66};
}

std::string ColorStatusText(TColor color)
{
    return " " + ColorValues(color);
}

std::string BackgroundStatusText(TColor color)
{
    return "Drag and drop a color to change background color. " + ColorValues(color);
}

} // namespace tessaro::layouts
