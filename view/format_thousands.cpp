#include "view/format_thousands.h"

std::string FormatThousands(const std::string& digits)
{
    if (digits.empty())
        return digits;
    std::string out;
    out.reserve(digits.size() + digits.size() / 3 + 1);
    out += digits[0];
    std::size_t group = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
    for (std::size_t i = 1; i < digits.size(); ++i) {
        if (--group == 0) {
            out += ',';
            group = 3;
        }
        out += digits[i];
    }
    return out;
}

std::string FormatThousands(std::int64_t number)
{
    std::string digits = std::to_string(number);
    if (number >= 0)
        return FormatThousands(digits);
    // The sign is not a digit position.
    std::string grouped = FormatThousands(digits.substr(1));
    grouped.insert(grouped.begin(), '-');
    return grouped;
}
