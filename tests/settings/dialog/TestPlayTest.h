#pragma once

#include <QObject>

// The test buttons of the songs and the dialog's own sound control.
class TestPlayTest : public QObject {
    Q_OBJECT

private slots:
    void buttonCyclesAndStopsFirst();
    void secondSongLeavesTheFirstButtonReadingStop();
    void closingSilencesTheSong();
};
