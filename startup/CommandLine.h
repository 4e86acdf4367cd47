#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the program was started to do.
enum class RunMode {
    Saver,         // the full-screen saver
    SaverChecked,  // the saver, unless another one of this user already runs
    Preview,       // the still picture inside the host's preview area
    Configure,     // the settings dialog
    Password,      // the password change
    None,          // an unknown switch: end at once
};

// The command line as the screensaver host passes it: only the first two
// characters of the trimmed, lower-cased text choose the mode, so "/S",
// " /s " and "/c:1234" are recognised too.
class CommandLine {
public:
    // arguments are the words after the program's name, joined with blanks.
    explicit CommandLine(std::string_view arguments);

    const std::string& Text() const { return text_; }
    RunMode Mode() const;

    // The host's window for the preview: the first remainder of the text,
    // dropping one character at a time from the front, that reads as a
    // number, rounded. Nothing when no remainder is numeric or the number is
    // no usable window id (not positive, or too large for 32 bits).
    std::optional<uint32_t> PreviewWindow() const;

    // The single-instance rule of "/s": a second saver gives way, unless the
    // desktop's display settings are open (the user is trying the saver out).
    static bool MayStart(RunMode mode, bool anotherSaverRuns, bool displayPropertiesOpen);

private:
    std::string text_;
};
