#include "layouts/layout_writer.h"

#include "engine/named_color.h"

namespace tessaro::layouts {

namespace {

class LineBuilder {
public:
    void Line(std::string_view key, std::string_view value)
    {
        text_ += key;
        text_ += '=';
        text_ += value;
        text_ += "\r\n";
    }
    void Property(const LayoutObject& object, std::string_view property, std::string_view value)
    {
        Line(LayoutKey(object.kind, object.number, property), value);
    }
    void Integer(const LayoutObject& object, std::string_view property, int value)
    {
        Property(object, property, std::to_string(value));
    }
    void Flag(const LayoutObject& object, std::string_view property, bool value)
    {
        Property(object, property, value ? "1" : "0");
    }
    void Box(const LayoutObject& object)
    {
        Integer(object, "left", object.left);
        Integer(object, "top", object.top);
        Integer(object, "width", object.width);
        Integer(object, "height", object.height);
        Flag(object, "visible", object.visible);
    }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

// A value that cannot hold a line break: anything from a line break on
// would start a line of its own when read back.
std::string OneLine(const std::string& value)
{
    return value.substr(0, value.find_first_of("\r\n"));
}

// A text of several lines (typed in the Text Edit window) keeps every word:
// each line break becomes one blank, and the box wraps the words again.
std::string JoinedLines(const std::string& value)
{
    std::string line;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' || value[i] == '\n') {
            if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
                ++i;
            line += ' ';
        } else {
            line += value[i];
        }
    }
    return line;
}

} // namespace

std::string TestLayoutText(const DocumentFields& fields, const TestArea& area)
{
    LineBuilder out;
    out.Line("title", OneLine(fields.title));
    out.Line("description", OneLine(fields.description));
    out.Line("notes", OneLine(fields.notes));
    out.Line("tags", OneLine(fields.tags));
    out.Line("author", OneLine(fields.author));
    out.Line("authoremail", OneLine(fields.authorEmail));
    out.Line("version", OneLine(fields.version));
    out.Line("URL", OneLine(fields.url));
    out.Line("program", OneLine(fields.program));
    out.Line("pver", OneLine(fields.programVersion));
    out.Line("width", std::to_string(area.width));
    out.Line("height", std::to_string(area.height));
    for (const LayoutObject& shape : area.shapes) {
        out.Box(shape);
        out.Property(shape, "shape", shape.ellipse ? "e" : "r");
    }
    for (const LayoutObject& text : area.texts) {
        out.Box(text);
        out.Property(text, "font", OneLine(text.font));
        out.Integer(text, "font.size", text.fontSize);
        out.Property(text, "text", JoinedLines(text.text));
        out.Flag(text, "bold", text.bold);
        out.Flag(text, "italic", text.italic);
        out.Flag(text, "underline", text.underline);
    }
    for (const LayoutObject& image : area.images) {
        out.Box(image);
        out.Property(image, "filename", OneLine(image.fileValue));
        out.Flag(image, "stretch", image.stretch);
        out.Flag(image, "center", image.center);
    }
    for (const LayoutObject& shape : area.shapes)
        out.Property(shape, "color", ColorToNamedText(shape.fill));
    for (const LayoutObject& text : area.texts)
        out.Property(text, "color", ColorToNamedText(text.textColor));
    out.Line("background.color", ColorToNamedText(area.background));
    return out.Take();
}

} // namespace tessaro::layouts
