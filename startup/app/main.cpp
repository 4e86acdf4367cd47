#include <QApplication>
#include <QByteArray>
#include <string>

#include "startup/CommandLine.h"
#include "startup/InstallPath.h"
#include "startup/app/Launcher.h"

int main(int argc, char** argv) {
    // The host passes the switch and the preview window as separate words;
    // the command line is read as the one text they make.
    std::string arguments;
    for (int i = 1; i < argc; ++i) {
        arguments += (i > 1 ? " " : "") + std::string(argv[i]);
    }
    const CommandLine commandLine(arguments);
    if (commandLine.Mode() == RunMode::None) {
        return 0;
    }

    QApplication app(argc, argv);
    const QByteArray home = qgetenv("GLINTFALL_HOME");
    const std::string installPath =
        InstallPath(QCoreApplication::applicationDirPath().toStdString(),
                    home.isNull() ? std::nullopt : std::optional<std::string>(home.toStdString()));
    return Launcher(commandLine, installPath).Run();
}
