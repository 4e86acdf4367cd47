#include "OpenDialog.h"

#include "settings/Registry.h"

FakeSettingsStore FactoryStore() {
    FakeSettingsStore store;
    SetRegistry(store);
    store.writes.clear();
    return store;
}

OpenDialog::OpenDialog(SettingsStore& store)
    : dialog(store, sound, TestInstallPath,
             [this](const std::string& url) { openedUrls.push_back(url); }) {}
