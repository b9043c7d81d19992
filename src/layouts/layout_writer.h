// Writing a test document back as a layout file that ReadTestLayout and
// ApplyLayout read to the same document: the document fields, every
// object's keys (hidden objects too, so a layout keeps their places), flags
// as "1" or "0", "e" for an ellipse and "r" for a rectangle, and the current
// colours as the layout's default colours.
#pragma once

#include "layouts/test_area.h"
#include "layouts/test_layout.h"

#include <string>

namespace tessaro::layouts {

// Lines followed by CR LF. A text's line breaks become blanks (a value is
// one line); other values end at their first line break. `fields.width`
// and `fields.height` are replaced by the area's size; an image keeps its
// "filename" value as it was read.
std::string TestLayoutText(const DocumentFields& fields, const TestArea& area);

} // namespace tessaro::layouts
