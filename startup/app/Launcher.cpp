#include "startup/app/Launcher.h"

#include <QApplication>
#include <QImage>
#include <QMessageBox>

#include "platform/FluidSynthPlayer.h"
#include "platform/IniSettingsStore.h"
#include "platform/PreviewWindow.h"
#include "platform/SingleInstanceLock.h"
#include "platform/X11Connection.h"
#include "platform/X11WindowFinder.h"
#include "settings/dialog/RunSetupDialog.h"
#include "startup/app/SaverApp.h"

Launcher::Launcher(const CommandLine& commandLine, std::string installPath)
    : commandLine_(commandLine), installPath_(std::move(installPath)) {}

int Launcher::Run() {
    switch (commandLine_.Mode()) {
        case RunMode::Saver:
        case RunMode::SaverChecked:
            return RunSaver();
        case RunMode::Preview:
            return RunPreview();
        case RunMode::Configure:
            return RunConfigure();
        case RunMode::Password:
            return RunPassword();
        case RunMode::None:
            break;
    }
    return 0;
}

int Launcher::RunSaver() {
    // Every saver holds the lock, so that a later "/s" knows it runs.
    const SingleInstanceLock lock;
    const bool displayPropertiesOpen =
        commandLine_.Mode() == RunMode::SaverChecked && lock.HeldByAnother() &&
        X11WindowFinder(X11Connection::display()).TopLevelWindowExists("Display Properties");
    if (!CommandLine::MayStart(commandLine_.Mode(), lock.HeldByAnother(), displayPropertiesOpen)) {
        return 0;
    }
    SaverApp saver(installPath_);
    if (!saver.Start()) {
        return 0;
    }
    QApplication::exec();
    return 0;
}

int Launcher::RunPreview() {
    const std::optional<uint32_t> host = commandLine_.PreviewWindow();
    if (!host) {
        return 0;
    }
    PreviewWindow preview(X11Connection::display(), *host,
                          QImage(QString::fromStdString(installPath_ + "preview.bmp")));
    if (!preview.embed()) {
        return 0;
    }
    QApplication::exec();
    return 0;
}

int Launcher::RunConfigure() {
    IniSettingsStore store;
    FluidSynthPlayer sound;
    return RunSetupDialog(store, sound, installPath_);
}

int Launcher::RunPassword() {
    // No saver form here: it would load settings, pictures and music only to
    // own a message box.
    QMessageBox::information(nullptr, QStringLiteral("Glintfall"),
                             QStringLiteral("Linux screensavers have no password of their own; "
                                            "the screen lock uses the account's password."));
    return 0;
}
