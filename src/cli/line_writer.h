// Output lines gathered in one buffer and written in large pieces: a scan of
// a large text prints millions of short lines.
#pragma once

#include "engine/color.h"
#include "engine/hex_digits.h"

#include <array>
#include <cstring>
#include <ostream>
#include <string_view>

namespace tessaro::cli {

class LineWriter {
public:
    explicit LineWriter(std::ostream& out) : out_(out) {}
    ~LineWriter() { Flush(); }
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    // `text` and a line feed.
    void Line(std::string_view text)
    {
        if (used_ + text.size() + 1 > buffer_.size()) {
            Flush();
            if (text.size() + 1 > buffer_.size()) {
                out_ << text << '\n';
                return;
            }
        }
        std::memcpy(buffer_.data() + used_, text.data(), text.size());
        used_ += text.size();
        buffer_[used_++] = '\n';
    }

    // "#RRGGBB" and a line feed.
    void HashHexLine(TColor color)
    {
        char line[7] = {'#'};
        PutHexByte(line + 1, RedOf(color));
        PutHexByte(line + 3, GreenOf(color));
        PutHexByte(line + 5, BlueOf(color));
        Line({line, sizeof line});
    }

    void Flush()
    {
        out_.write(buffer_.data(), std::streamsize(used_));
        used_ = 0;
    }

private:
    std::ostream& out_;
    std::array<char, 1 << 16> buffer_;
    std::size_t used_ = 0;
};

} // namespace tessaro::cli
