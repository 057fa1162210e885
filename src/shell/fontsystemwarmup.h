#pragma once

#include <thread>

// Reads the font configuration on a second thread while the application object connects to
// the display; the first text measured would otherwise read it on the user's thread. The
// thread is joined before the first font is asked for, so that the configuration is read once.
class FontSystemWarmUp
{
public:
    FontSystemWarmUp();
    ~FontSystemWarmUp();
    FontSystemWarmUp(const FontSystemWarmUp &) = delete;
    FontSystemWarmUp &operator=(const FontSystemWarmUp &) = delete;

    // Waits until the configuration is read.
    void finish();

private:
    std::thread m_worker;
};
