// Rows of the test tables are named: the name shows in the test's name and
// in failure messages instead of the row's bytes.
#pragma once

#include <concepts>
#include <ostream>
#include <string>

namespace tessaro::platform::test {

template <typename Case>
concept NamedCase = requires(const Case& c) {
    { c.name } -> std::convertible_to<const char*>;
};

// Bring into a test file's namespace with `using test::PrintTo;`.
template <NamedCase Case>
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

// The last argument of INSTANTIATE_TEST_SUITE_P.
inline constexpr auto kCaseName = [](const auto& info) { return std::string(info.param.name); };

} // namespace tessaro::platform::test
