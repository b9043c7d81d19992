// The bytes of a command's input, read once. A regular file is mapped where
// it lies; anything else (standard input, a pipe, a device) is read into one
// buffer that grows in place, so the bytes are never held twice.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace tessaro::cli {

// A file that cannot be read as text: missing, a folder, unreadable.
struct FileError {
    std::string message;
};

class InputBytes {
public:
    // Throws FileError.
    static InputBytes ReadFile(const std::string& name);
    // The stream to its end.
    static InputBytes ReadStream(std::istream& in);

    InputBytes(InputBytes&& other) noexcept;
    InputBytes& operator=(InputBytes&&) = delete;
    InputBytes(const InputBytes&) = delete;
    ~InputBytes();

    std::string_view Bytes() const { return {static_cast<const char*>(data_), size_}; }

private:
    InputBytes() = default;
    // Room for at least `more` further bytes.
    char* Reserve(std::size_t more);

    void* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t mapped_ = 0;
};

} // namespace tessaro::cli
