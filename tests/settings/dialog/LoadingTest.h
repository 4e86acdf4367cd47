#pragma once

#include <QObject>

// Opening the dialog: what it shows and what it writes back.
class LoadingTest : public QObject {
    Q_OBJECT

private slots:
    void factoryStoreIsShownAndLeftAlone();
    void emptyStoreGetsFactoryValuesFirst();
    void missingKeyIsWrittenAsShown_data();
    void missingKeyIsWrittenAsShown();
    void unshowableValuesAreMendedOnScreenOnly_data();
    void unshowableValuesAreMendedOnScreenOnly();
    void numberBoxesShowSlidersAtTheirMinimum();
    void windowLayout();
};
