#include "settings/NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
        while (!text.empty() && IsBlank(text.front())) {
            text.remove_prefix(1);
        }
    }
    // from_chars accepts neither a sign of its own here nor "inf" or "nan"
    // in any form a person would type, but it would take them: reject every
    // text that does not start with a digit or a point.
    if (text.empty() ||
        !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.')) {
        return std::nullopt;
    }
    double value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<int16_t> ToInt16(double value) {
    const double rounded = std::nearbyint(value);  // the default mode rounds halves to even
    if (!(rounded >= INT16_MIN && rounded <= INT16_MAX)) {
        return std::nullopt;
    }
    return static_cast<int16_t>(rounded);
}

std::optional<int16_t> TextToInt16(std::string_view text) {
    const std::optional<double> number = ParseNumber(text);
    if (!number) {
        return std::nullopt;
    }
    return ToInt16(*number);
}
