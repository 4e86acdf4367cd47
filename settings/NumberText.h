#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Reading numbers out of texts that a person may have typed or edited by hand.

// The text as a decimal number: blanks around it, a sign, a fraction and an
// exponent are allowed; anything else (empty text, letters, several numbers,
// a value too large for a double) is no number.
std::optional<double> ParseNumber(std::string_view text);

// The number rounded to a whole number, halves to the even neighbour, when it
// fits in a signed 16-bit integer.
std::optional<int16_t> ToInt16(double value);

// ParseNumber and then ToInt16.
std::optional<int16_t> TextToInt16(std::string_view text);
