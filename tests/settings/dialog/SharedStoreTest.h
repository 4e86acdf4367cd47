#pragma once

#include <QObject>

// The dialog and a saver starting meanwhile share one settings file.
class SharedStoreTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void dialogAndSaverLoseNoWrites();
};
