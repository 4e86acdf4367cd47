#pragma once

#include <functional>
#include <string>

#include "settings/SettingsStore.h"

class QWidget;

// Hands a web address to the desktop, normally the user's browser. Whether
// the browser opens is not checked.
using UrlOpener = std::function<void(const std::string& url)>;

// The command buttons of the dialog that are no settings: the help texts, the
// About box, the factory reset and the web site.
class DialogCommands {
public:
    DialogCommands(QWidget& owner, SettingsStore& store, UrlOpener openUrl);

    void ShowBackgroundHelp();
    void ShowKeyboardHelp();
    void ShowAbout();
    // Asks first; on Yes writes every factory value, as the saver's first
    // start does, and says so. The dialog's controls are not reloaded.
    void ResetToFactory();
    void OpenWebsite();

private:
    void Tell(const std::string& text);

    QWidget& owner_;
    SettingsStore& store_;
    UrlOpener openUrl_;
};
