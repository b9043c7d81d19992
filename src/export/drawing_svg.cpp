#include "export/drawing_svg.h"

#include "engine/color_text.h"
#include "engine/markup_text.h"

#include <cstdio>

namespace tessaro::exporting {

namespace {

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string Attribute(const char* name, const std::string& value)
{
    return std::string(" ") + name + "=\"" + value + "\"";
}

// Arial's ascent is 0.905 of its character height: the baseline of a line
// whose top is at `top`.
double Baseline(const DrawnText& text)
{
    return text.y + 0.905 * text.pixelSize();
}

} // namespace

std::string DrawingSvg(const Drawing& d)
{
    const std::string w = std::to_string(d.width), h = std::to_string(d.height);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\""
           " xmlns:dc=\"http://purl.org/dc/elements/1.1/\" version=\"1.1\"" +
           Attribute("width", w) + Attribute("height", h) + Attribute("viewBox", "0 0 " + w + " " + h) +
           " shape-rendering=\"crispEdges\">\n";
    svg += "<title>" + EscapeMarkup(d.title) + "</title>\n";
    svg += "<metadata><rdf:RDF><rdf:Description rdf:about=\"\"><dc:title>" + EscapeMarkup(d.title) +
           "</dc:title><dc:creator>" + EscapeMarkup(d.creator) + "</dc:creator></rdf:Description></rdf:RDF></metadata>\n";
    svg += "<rect" + Attribute("x", "0") + Attribute("y", "0") + Attribute("width", w) + Attribute("height", h) +
           Attribute("fill", "#FFFFFF") + "/>\n";
    for (const DrawnRect& r : d.rects) {
        if (r.outline) {
            // The stroke's middle half a pixel inside, so it covers the edge pixels.
            svg += "<rect" + Attribute("x", Number(r.x + 0.5)) + Attribute("y", Number(r.y + 0.5)) +
                   Attribute("width", Number(r.width - 1)) + Attribute("height", Number(r.height - 1)) +
                   Attribute("fill", HashHexText(r.fill)) + Attribute("stroke", "#000000") +
                   Attribute("stroke-width", "1") + "/>\n";
        } else {
            svg += "<rect" + Attribute("x", std::to_string(r.x)) + Attribute("y", std::to_string(r.y)) +
                   Attribute("width", std::to_string(r.width)) + Attribute("height", std::to_string(r.height)) +
                   Attribute("fill", HashHexText(r.fill)) + "/>\n";
        }
    }
    for (const DrawnText& t : d.texts)
        svg += "<text" + Attribute("x", std::to_string(t.x)) + Attribute("y", Number(Baseline(t))) +
               Attribute("font-family", EscapeMarkup(t.family)) + Attribute("font-size", std::to_string(t.pixelSize())) +
               Attribute("fill", HashHexText(t.color)) + ">" + EscapeMarkup(t.text) + "</text>\n";
    svg += "</svg>\n";
    return svg;
}

} // namespace tessaro::exporting
