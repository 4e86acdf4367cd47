#pragma once

#include <QObject>

// The command buttons: help texts, About, factory reset, web site, OK.
class CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void helpBoxesShowTheirTextsExactly_data();
    void helpBoxesShowTheirTextsExactly();
    void resetAnsweredNoWritesNothing();
    void resetAnsweredYesWritesFactoryValuesOnly();
    void websiteOpensTheMakersSite();
    void okAndClosingEndTheDialog();
    void acceleratorOpensAbout();
};
