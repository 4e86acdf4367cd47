#include "settings/dialog/RunSetupDialog.h"

#include <QDesktopServices>
#include <QUrl>

#include "settings/dialog/Setup.h"

int RunSetupDialog(SettingsStore& store, VexoSnd& sound, const std::string& installPath) {
    Setup dialog(store, sound, installPath, [](const std::string& url) {
        QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
    });
    return dialog.exec();
}
