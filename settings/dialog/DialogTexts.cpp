#include "settings/dialog/DialogTexts.h"

#include <initializer_list>

std::string BackgroundHelpText() {
    return "Help with Background Files\n"
           "\n"
           "-- Checking a background will display that background during the screensaver\n"
           "-- If none are checked then a black background will be displayed\n"
           "-- You can control the time it takes to switch backgrounds using the slider bar.";
}

std::string KeyboardHelpText() {
    std::string text = "KEYBOARD OPTIONS\n";
    for (const char* line : {"For music, Press one of these keys to:", "N - Next Song",
                             "P - Previous Song", "Q - Stop all music", "S - Start all music"}) {
        text += "\n";
        text += line;
        text += "\n";
    }
    return text + "\n\n";
}

std::string AboutText() {
    return "Glintfall v 1.3\n"
           "\n"
           "Developed by Tavrin\n"
           "\n"
           "Copyright (c) Tavrin Software. All rights reserved.\n"
           "\n"
           "Our email address: support@tavrin.example\n"
           "Our website address: www.tavrin.example\n"
           "\n"
           "Tavrin Software\n"
           "1 Example Street\n"
           "Sampleton, ST 00000\n"
           "Exampleland\n";
}

std::string ResetQuestionText() {
    return "This will restore all settings back to factory default.\n"
           "\n"
           "Do you wish to proceed?";
}

std::string ResetDoneText() {
    return "Settings have been restored to Factory Default";
}
