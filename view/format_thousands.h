// Digits grouped by threes with ",", as the list and the summary show numbers.
#pragma once
#include <cstdint>
#include <string>

// "1234567" gives "1,234,567"; the first character is never preceded by ",".
std::string FormatThousands(const std::string& digits);
std::string FormatThousands(std::int64_t number);
