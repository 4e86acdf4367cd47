#pragma once

#include <string>

// The services of the desktop that the saver form uses around its window.
class SaverHost {
public:
    virtual ~SaverHost() = default;

    virtual void ShowCursor(bool show) = 0;
    // Tells the desktop whether a screensaver is running.
    virtual void SetScreenSaverRunning(bool running) = 0;
    // A modal message box with the critical icon and a single OK button.
    virtual void ShowCriticalMessage(const std::string& prompt, const std::string& caption) = 0;
    // Closes every window and ends the program once the current event is done.
    virtual void EndProgram() = 0;
};
