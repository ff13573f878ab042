// Number and money text as the settings file and the captions hold them, read back by both rules.
#include "NumberText.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <tuple>

namespace bacc {
namespace {

const double NaN = std::nan("");
const double Huge = std::numeric_limits<double>::max();

TEST(NumberText, ABlankOrMinusAndOnlyTheDecimalsNeeded) {
    const std::pair<double, const char*> cases[] = {
        {12, " 12"},      {-0.0, " 0"},
        {-40, "-40"},     {-123456789012.0, "-123456789012"},
        {-0.25, "-0.25"}, {1e-7, " 0.0000001"},
        {NaN, " 0"},      {std::numeric_limits<double>::infinity(), " 0"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(NumberText(value), text) << value;
    }
}

TEST(NumberText, ReadsBackThroughBothRules) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> wide(-1e9, 1e9);
    for (int i = 0; i < 20000; ++i) {
        const double value = i % 2 == 0 ? std::round(wide(random)) : wide(random);
        const std::string text = NumberText(value);
        EXPECT_EQ(LeadingNumber(text), value) << text;
        EXPECT_EQ(StrictNumber(text).value_or(NaN), value) << text;
    }
}

// The leading number reads up to the first character that cannot continue it, 0 for none, and extreme
// digit strings stay finite; the strict one takes only a whole number text (A: the same number, R:
// refused).
TEST(LeadingNumber, ReadsUpToTheFirstCharacterThatCannotContinue) {
    const std::string nines(400, '9'), zeros(400, '0');
    // clang-format off
    const std::tuple<std::string, double, char> cases[] = {
        {" 150", 150, 'A'}, {"\t7", 7, ' '}, {"+3", 3, ' '},  {"12abc", 12, 'R'}, {"1.5.2", 1.5, ' '},
        {"-.5", -0.5, ' '}, {"1e5", 1, 'R'}, {"8\r", 8, ' '}, {"No", 0, 'R'},     {"", 0, 'R'},
        {"-", 0, 'R'},      {".", 0, 'R'},   {"+-5", 0, ' '}, {"$15", 0, ' '},    {"1 2", 1, 'R'},
        {" 12 ", 12, 'A'},  {" 7\r\n", 7, 'A'},
        {nines, Huge, ' '}, {"-" + nines, -Huge, ' '}, {"0." + zeros + "1", 0, ' '}, {zeros + "5", 5, ' '}};
    // clang-format on
    for (const auto& [text, value, strict] : cases) {
        EXPECT_EQ(LeadingNumber(text), value) << text;
        EXPECT_TRUE(strict != 'R' || !StrictNumber(text).has_value()) << text;
        EXPECT_TRUE(strict != 'A' || StrictNumber(text) == value) << text;
    }
}

// Makes a German (comma-decimal) locale available: the installed one, or one compiled into a temporary
// directory when the system has the locale sources. Answers whether one could be selected.
bool SelectCommaLocale() {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) {
        return true;
    }
    char directory[] = "/tmp/numbertext-locale-XXXXXX";
    if (mkdtemp(directory) == nullptr ||
        std::system(("localedef -i de_DE -f UTF-8 " + std::string(directory) + "/de_DE.UTF-8 >/dev/null 2>&1")
                        .c_str()) != 0) {
        return false;
    }
    setenv("LOCPATH", directory, 1);
    return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

// The file is written in one format whatever the user's locale; a comma locale must not change what a
// stored "2.5" means.
TEST(LeadingNumber, DoesNotFollowTheLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    if (!SelectCommaLocale()) {
        GTEST_SKIP() << "no comma-decimal locale can be made on this system";
    }
    ASSERT_EQ(std::localeconv()->decimal_point, std::string(","));
    EXPECT_EQ(LeadingNumber(" 2.5"), 2.5);
    EXPECT_EQ(StrictNumber("2.5").value_or(0), 2.5);
    EXPECT_EQ(ParseMoney("$2.5").value_or(0), 2.5);
    EXPECT_EQ(NumberText(2.5), " 2.5");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(RoundHalfAway, HalvesGoAwayFromZeroAndHugeValuesAreClamped) {
    const long long most = std::numeric_limits<long long>::max();
    const std::pair<double, long long> cases[] = {
        {2.5, 3}, {-2.5, -3}, {2.4999, 2}, {0.49999999999999994, 0}, {NaN, 0}, {1e30, most}, {-1e30, -most}};
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(RoundHalfAway(value), rounded) << value;
    }
}

TEST(Money, ShownWithTheSignBeforeTheDollarAndReadBack) {
    const std::pair<double, const char*> shown[] = {{15, "$15"},  {-40, "-$40"},  {-0.4, "$0"},
                                                    {9.5, "$10"}, {-9.5, "-$10"}, {NaN, "$0"}};
    for (const auto& [amount, text] : shown) {
        EXPECT_EQ(FormatMoney(amount), text) << amount;
    }
    EXPECT_EQ(FormatMoney(-1e30), "-$" + std::to_string(std::numeric_limits<long long>::max()));
    for (long long amount = -5000; amount <= 5000; amount += 7) {
        EXPECT_EQ(ParseMoney(FormatMoney(static_cast<double>(amount))).value_or(NaN),
                  static_cast<double>(amount));
    }
    const std::pair<const char*, double> read[] = {{"$-40", -40}, {" $ 7 ", 7}, {"$1,234", 1234},
                                                   {" 150", 150}, {"+$3", 3},   {"$2.5", 2.5}};
    for (const auto& [text, amount] : read) {
        EXPECT_EQ(ParseMoney(text).value_or(NaN), amount) << text;
    }
    for (const char* text : {"", "$", "-", "No", "--5", "$$5", "5$", "$5abc"}) {
        EXPECT_FALSE(ParseMoney(text).has_value()) << text;
    }
    EXPECT_EQ(MoneyValue("No"), 0);
    // Stored values in money format; text that is no number is kept.
    const std::pair<const char*, const char*> stored[] = {
        {" 150", "$150"}, {"-40", "-$40"}, {" 2.5", "$3"}, {"No", "No"}, {"", ""}, {"12abc", "12abc"}};
    for (const auto& [value, text] : stored) {
        EXPECT_EQ(FormatStoredMoney(value), text) << value;
    }
}

} // namespace
} // namespace bacc
