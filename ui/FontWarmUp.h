#pragma once

#include <thread>

namespace corvalen {

// Reads the desktop's font configuration on a second thread while the application connects to
// the display, so that the first text the window lays out does not wait for it. Qt reads the
// same configuration on first use; done here, that use finds it ready. Wait() before the first
// widget with text is made; a build without fontconfig does nothing.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;
    void Wait();

private:
    std::thread mThread;
};

} // namespace corvalen
