#include "platform/IniSettingsStore.h"

#include <QStringList>
#include <cstdio>

namespace {

QString KeyPath(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + '/' + QString::fromStdString(key);
}

}  // namespace

IniSettingsStore::IniSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Glintfall",
                                            "Glintfall")) {}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::FileName() const {
    return settings_->fileName();
}

std::optional<std::string> IniSettingsStore::GetSetting(const std::string& section,
                                                        const std::string& key) {
    const QVariant value = settings_->value(KeyPath(section, key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // A hand-edited value with a bare comma reads back as a list; take it as
    // the text the person typed.
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(", ").toStdString();
    }
    return value.toString().toStdString();
}

void IniSettingsStore::SaveSetting(const std::string& section, const std::string& key,
                                   const std::string& value) {
    // A file that does not parse is left alone: rewriting it would drop
    // whatever the person put there.
    if (settings_->status() == QSettings::FormatError) {
        ReportOnce("cannot read " + FileName() + ", settings are not saved");
        return;
    }
    const QString path = KeyPath(section, key);
    const QString text = QString::fromStdString(value);
    settings_->sync();  // takes in what other processes wrote meanwhile
    const QVariant stored = settings_->value(path);
    if (stored.isValid() && stored.typeId() == QMetaType::QString && stored.toString() == text) {
        return;
    }
    settings_->setValue(path, text);
    settings_->sync();
    if (settings_->status() != QSettings::NoError) {
        ReportOnce("cannot write " + FileName() + ", settings are not saved");
    }
}

void IniSettingsStore::ReportOnce(const QString& problem) {
    if (reported_) {
        return;
    }
    reported_ = true;
    std::fprintf(stderr, "glintfall: %s\n", problem.toLocal8Bit().constData());
}
