#include "platform/DesktopHost.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "platform/SaverWindow.h"

DesktopHost::DesktopHost(SaverWindow& window) : window_(window) {}

void DesktopHost::ShowCursor(bool show) {
    window_.setCursorVisible(show);
}

void DesktopHost::SetScreenSaverRunning(bool /*running*/) {
    // X11 keeps no such flag: the screensaver daemon that started the saver
    // already knows, and the saver's input grab is what keeps other programs
    // from the keyboard meanwhile.
}

void DesktopHost::ShowCriticalMessage(const std::string& prompt, const std::string& caption) {
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(caption),
                    QString::fromStdString(prompt), QMessageBox::Ok);
    box.exec();
}

void DesktopHost::EndProgram() {
    // Queued, so the event being handled finishes first, and so an end
    // requested before the event loop runs still takes effect once it does.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
}
