#include "startup/CommandLine.h"

#include <cmath>

#include "settings/NumberText.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char ToLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

CommandLine::CommandLine(std::string_view arguments) {
    while (!arguments.empty() && IsBlank(arguments.front())) {
        arguments.remove_prefix(1);
    }
    while (!arguments.empty() && IsBlank(arguments.back())) {
        arguments.remove_suffix(1);
    }
    text_.reserve(arguments.size());
    for (const char c : arguments) {
        text_.push_back(ToLower(c));
    }
}

RunMode CommandLine::Mode() const {
    const std::string_view mode = std::string_view(text_).substr(0, 2);
    if (mode.empty()) {
        return RunMode::Saver;
    }
    if (mode == "/s") {
        return RunMode::SaverChecked;
    }
    if (mode == "/p") {
        return RunMode::Preview;
    }
    if (mode == "/c") {
        return RunMode::Configure;
    }
    if (mode == "/a") {
        return RunMode::Password;
    }
    return RunMode::None;
}

std::optional<uint32_t> CommandLine::PreviewWindow() const {
    std::string_view rest = text_;
    while (!rest.empty()) {
        if (const std::optional<double> number = ParseNumber(rest)) {
            const double rounded = std::nearbyint(*number);  // halves to the even neighbour
            if (rounded <= 0 || rounded > UINT32_MAX) {
                return std::nullopt;
            }
            return static_cast<uint32_t>(rounded);
        }
        rest.remove_prefix(1);
    }
    return std::nullopt;
}

bool CommandLine::MayStart(RunMode mode, bool anotherSaverRuns, bool displayPropertiesOpen) {
    if (mode != RunMode::SaverChecked) {
        return mode != RunMode::None;
    }
    return !anotherSaverRuns || displayPropertiesOpen;
}
