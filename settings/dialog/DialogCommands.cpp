#include "settings/dialog/DialogCommands.h"

#include <QMessageBox>
#include <utility>

#include "settings/Registry.h"
#include "settings/dialog/DialogTexts.h"

DialogCommands::DialogCommands(QWidget& owner, SettingsStore& store, UrlOpener openUrl)
    : owner_(owner), store_(store), openUrl_(std::move(openUrl)) {}

void DialogCommands::Tell(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle, QString::fromStdString(text),
                    QMessageBox::Ok, &owner_);
    // The texts are plain lines; nothing in them may be taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void DialogCommands::ShowBackgroundHelp() {
    Tell(BackgroundHelpText());
}

void DialogCommands::ShowKeyboardHelp() {
    Tell(KeyboardHelpText());
}

void DialogCommands::ShowAbout() {
    Tell(AboutText());
}

void DialogCommands::ResetToFactory() {
    QMessageBox question(QMessageBox::NoIcon, ResetTitle,
                         QString::fromStdString(ResetQuestionText()),
                         QMessageBox::Yes | QMessageBox::No, &owner_);
    question.setTextFormat(Qt::PlainText);
    // Enter alone should not throw away every setting.
    question.setDefaultButton(QMessageBox::No);
    question.setEscapeButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes) {
        return;
    }
    SetRegistry(store_);
    Tell(ResetDoneText());
}

void DialogCommands::OpenWebsite() {
    openUrl_(WebsiteUrl);
}
