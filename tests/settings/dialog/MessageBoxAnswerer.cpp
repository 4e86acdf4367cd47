#include "MessageBoxAnswerer.h"

#include <QAbstractButton>
#include <QApplication>

MessageBoxAnswerer::MessageBoxAnswerer(std::deque<QMessageBox::StandardButton> answers)
    : answers_(std::move(answers)) {
    // Checked at every turn of the event loop, including the box's own loop.
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &MessageBoxAnswerer::Poll);
    timer_.start();
}

void MessageBoxAnswerer::Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) {
        return;
    }
    seen.push_back({box->windowTitle(), box->text(), box->standardButtons(), box->icon()});
    QAbstractButton* button = box->escapeButton();
    if (!answers_.empty()) {
        button = box->button(answers_.front());
        answers_.pop_front();
    }
    if (!button) {
        button = box->buttons().first();
    }
    button->click();
}
