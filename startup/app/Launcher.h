#pragma once

#include <string>

#include "startup/CommandLine.h"

// Runs the mode that the command line asks for, on a running QApplication,
// and returns the program's exit status.
class Launcher {
public:
    Launcher(const CommandLine& commandLine, std::string installPath);

    int Run();

private:
    int RunSaver();
    int RunPreview();
    int RunConfigure();
    int RunPassword();

    const CommandLine& commandLine_;
    std::string installPath_;
};
