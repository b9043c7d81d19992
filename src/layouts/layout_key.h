// The objects of a test document and the keys that describe them in a
// layout file: prefix, number, ".", property ("s3.left", "t10.font.size").
#pragma once

#include <string>
#include <string_view>

namespace tessaro::layouts {

enum class ObjectKind { Shape, Text, Image };

inline constexpr int kShapeCount = 10;
inline constexpr int kTextCount = 10;
inline constexpr int kImageCount = 5;

// How many objects of the kind a document has.
int ObjectCount(ObjectKind kind);
// "s", "t" or "i".
const char* KeyPrefix(ObjectKind kind);

std::string LayoutKey(ObjectKind kind, int number, std::string_view property);

} // namespace tessaro::layouts
