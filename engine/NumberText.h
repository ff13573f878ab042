#pragma once

#include <optional>
#include <string>
#include <string_view>

// Value encodings shared by the settings file and the money captions.
namespace bacc {

// Decimal text with a leading blank when not negative, a minus sign when negative, no separators and as
// many decimals as the value needs: " 12", "-40", " 0", " 2.5".
std::string NumberText(double value);

// Leading blanks skipped, then an optional sign, digits and at most one decimal point, up to the first
// character that cannot continue the number. Text that does not begin with a number gives 0.
double LeadingNumber(std::string_view text);

// The whole text as a number (surrounding blanks allowed), or nothing when it is not one.
std::optional<double> StrictNumber(std::string_view text);

// Whole dollars rounded half away from zero, "$" first, a minus sign before the "$": "$15", "-$40".
std::string FormatMoney(double amount);

// A shown amount read back as a number: blanks, a sign before or after the "$", the "$" itself and
// thousands commas are accepted. Anything that is not an amount gives nothing.
std::optional<double> ParseMoney(std::string_view text);

// A shown amount as a number, 0 when it is not one.
double MoneyValue(std::string_view text);

// A stored value shown in money format; text that is not a number is shown unchanged.
std::string FormatStoredMoney(std::string_view stored);

// Rounding used for money and counts: to the nearest whole number, halves away from zero.
long long RoundHalfAway(double value);

// Boolean options: exactly "False" is off; anything else, the missing-value text "No" included, is on.
constexpr bool IsOn(std::string_view stored) {
    return stored != "False";
}
constexpr const char* BoolText(bool on) {
    return on ? "True" : "False";
}

} // namespace bacc
