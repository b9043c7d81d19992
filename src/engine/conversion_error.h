// The one error raised when a text that should be a number is not.
#pragma once

#include <stdexcept>
#include <string>

namespace tessaro {

class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& text)
        : std::runtime_error("'" + text + "' is not a valid integer value"), text_(text)
    {
    }
    // The offending text.
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

} // namespace tessaro
