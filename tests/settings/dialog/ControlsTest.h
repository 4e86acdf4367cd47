#pragma once

#include <QObject>

// Each control writes its own key the moment it changes, and nothing else.
class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void checkBoxWritesItsKey_data();
    void checkBoxWritesItsKey();
    void checkBoxFollowsMouseAndKeyboard();
    void calendarCornerWritesItsNumber();
    void slidersWriteAndFillTheirBoxes();
    void textBoxesWriteExactlyWhatIsTyped();
    void soundOffWritesOnlyAChoiceFromTheList();
    void greetingGreysOutMoving();
    void audioCdGreysOutSongsAndIsNotStored();
};
