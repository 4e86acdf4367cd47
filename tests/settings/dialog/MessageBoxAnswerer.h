#pragma once

#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <deque>
#include <vector>

// Answers the modal message boxes that the code under test opens, one answer
// per box in order, and records what each box showed. A box beyond the given
// answers is closed with its escape button, so a test fails instead of hanging.
class MessageBoxAnswerer : public QObject {
public:
    explicit MessageBoxAnswerer(std::deque<QMessageBox::StandardButton> answers = {});

    struct Box {
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon;
    };
    std::vector<Box> seen;

private:
    void Poll();

    std::deque<QMessageBox::StandardButton> answers_;
    QTimer timer_;
};
