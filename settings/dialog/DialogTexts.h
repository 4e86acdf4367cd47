#pragma once

#include <string>

// The fixed texts of the dialog's message boxes. Lines are separated by "\n";
// the empty lines and trailing line breaks are part of each text.

// The title every box of the dialog shows, the application's name.
inline constexpr const char* ApplicationTitle = "Glintfall";
inline constexpr const char* ResetTitle = "Reset Settings?";
// The maker's web site, opened in the browser by "Our website".
inline constexpr const char* WebsiteUrl = "https://www.tavrin.example/";

std::string BackgroundHelpText();
std::string KeyboardHelpText();
std::string AboutText();
std::string ResetQuestionText();
std::string ResetDoneText();
