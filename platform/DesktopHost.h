#pragma once

#include "saver/SaverHost.h"

class SaverWindow;

// The desktop around the saver window: the cursor over it, message boxes,
// and the end of the program.
class DesktopHost : public SaverHost {
public:
    explicit DesktopHost(SaverWindow& window);

    void ShowCursor(bool show) override;
    void SetScreenSaverRunning(bool running) override;
    void ShowCriticalMessage(const std::string& prompt, const std::string& caption) override;
    void EndProgram() override;

private:
    SaverWindow& window_;
};
