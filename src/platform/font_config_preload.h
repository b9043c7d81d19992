// fontconfig's configuration and font caches loaded on a thread of their
// own while the program connects to the display and shows its splash, the
// work the first text of the main window would otherwise wait for. The
// font database finds them loaded when it first asks.
#pragma once

#include <thread>

namespace tessaro::platform {

class FontConfigPreload {
public:
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;

    // Returns once the loading is done (at once when it is).
    void wait();

private:
    std::thread thread_;
};

} // namespace tessaro::platform
