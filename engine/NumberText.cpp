#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace bacc {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads sign, digits and one decimal point from the start of text; returns the characters used
// (0 when no digit was found).
std::size_t ScanNumber(std::string_view text, double& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string digits;
    bool point = false;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            digits += c;
            anyDigit = true;
        } else if (c == '.' && !point) {
            digits += c;
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit) {
        value = 0;
        return 0;
    }
    // from_chars rather than strtod: the number format of the file must not follow the user's locale.
    const std::from_chars_result parsed =
        std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        const bool tiny = digits.find_first_of("123456789") > digits.find('.');
        value = tiny ? 0.0 : std::numeric_limits<double>::max();
    } else if (parsed.ec != std::errc()) {
        value = 0;
    }
    if (negative) {
        value = -value;
    }
    return i;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r' || text.back() == '\n')) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

long long RoundHalfAway(double value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    // llround is undefined beyond the range of long long; keep one step inside it so that negating
    // the result stays defined.
    constexpr double limit = 9.2e18;
    if (value >= limit) {
        return std::numeric_limits<long long>::max();
    }
    if (value <= -limit) {
        return -std::numeric_limits<long long>::max();
    }
    return static_cast<long long>(std::llround(value));
}

std::string NumberText(double value) {
    if (!std::isfinite(value)) {
        return " 0";
    }
    if (value == 0) {
        value = 0; // no "-0"
    }
    char buffer[64];
    const double magnitude = std::fabs(value);
    std::to_chars_result result;
    if (magnitude == std::floor(magnitude) && magnitude < 1e18) {
        result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(magnitude));
    } else {
        result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed);
    }
    const std::string digits(buffer, result.ptr);
    return (value < 0 ? "-" : " ") + digits;
}

double LeadingNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    double value = 0;
    ScanNumber(text, value);
    return value;
}

std::optional<double> StrictNumber(std::string_view text) {
    text = Trim(text);
    double value = 0;
    const std::size_t used = ScanNumber(text, value);
    if (used == 0 || used != text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string FormatMoney(double amount) {
    const long long whole = RoundHalfAway(amount);
    if (whole < 0) {
        return "-$" + std::to_string(-whole);
    }
    return "$" + std::to_string(whole);
}

std::optional<double> ParseMoney(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    bool dollar = false;
    // A sign and a "$" may come in either order before the digits.
    for (int pass = 0; pass < 2 && !text.empty(); ++pass) {
        if (!negative && (text.front() == '-' || text.front() == '+')) {
            negative = text.front() == '-';
            text.remove_prefix(1);
        } else if (!dollar && text.front() == '$') {
            dollar = true;
            text.remove_prefix(1);
        }
        text = Trim(text);
    }
    std::string cleaned;
    for (char c : text) {
        if (c != ',') {
            cleaned += c;
        }
    }
    if (cleaned.empty() || cleaned.front() == '-' || cleaned.front() == '+') {
        return std::nullopt;
    }
    const std::optional<double> value = StrictNumber(cleaned);
    if (!value) {
        return std::nullopt;
    }
    return negative ? -*value : *value;
}

double MoneyValue(std::string_view text) {
    return ParseMoney(text).value_or(0.0);
}

std::string FormatStoredMoney(std::string_view stored) {
    const std::optional<double> value = StrictNumber(stored);
    return value ? FormatMoney(*value) : std::string(stored);
}

} // namespace bacc
