#include "NumberText.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace bacc {
namespace {

TEST(NumberText, WholeNumbersCarryALeadingBlankOrMinus) {
    EXPECT_EQ(NumberText(12), " 12");
    EXPECT_EQ(NumberText(8), " 8");
    EXPECT_EQ(NumberText(0), " 0");
    EXPECT_EQ(NumberText(-0.0), " 0");
    EXPECT_EQ(NumberText(-40), "-40");
    EXPECT_EQ(NumberText(1000000), " 1000000");
    EXPECT_EQ(NumberText(-123456789012.0), "-123456789012");
}

TEST(NumberText, FractionsUseOnlyTheDecimalsNeeded) {
    EXPECT_EQ(NumberText(2.5), " 2.5");
    EXPECT_EQ(NumberText(-0.25), "-0.25");
    EXPECT_EQ(NumberText(0.1), " 0.1");
    EXPECT_EQ(NumberText(1e-7), " 0.0000001");
}

TEST(NumberText, NonFiniteValuesAreStoredAsZero) {
    EXPECT_EQ(NumberText(std::numeric_limits<double>::infinity()), " 0");
    EXPECT_EQ(NumberText(std::nan("")), " 0");
}

TEST(NumberText, ReadsBackThroughBothRules) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> wide(-1e9, 1e9);
    for (int i = 0; i < 20000; ++i) {
        double value = wide(random);
        if (i % 2 == 0) {
            value = std::round(value);
        }
        const std::string text = NumberText(value);
        EXPECT_EQ(LeadingNumber(text), value) << text;
        ASSERT_TRUE(StrictNumber(text).has_value()) << text;
        EXPECT_EQ(*StrictNumber(text), value) << text;
    }
}

TEST(LeadingNumber, ReadsUpToTheFirstCharacterThatCannotContinue) {
    EXPECT_EQ(LeadingNumber(" 150"), 150);
    EXPECT_EQ(LeadingNumber("   -40"), -40);
    EXPECT_EQ(LeadingNumber("\t7"), 7);
    EXPECT_EQ(LeadingNumber("+3"), 3);
    EXPECT_EQ(LeadingNumber("12abc"), 12);
    EXPECT_EQ(LeadingNumber("1.5.2"), 1.5);
    EXPECT_EQ(LeadingNumber("-.5"), -0.5);
    EXPECT_EQ(LeadingNumber("7."), 7);
    EXPECT_EQ(LeadingNumber("1e5"), 1);
    EXPECT_EQ(LeadingNumber("12 34"), 12);
    EXPECT_EQ(LeadingNumber("8\r"), 8);
}

TEST(LeadingNumber, TextThatIsNoNumberGivesZero) {
    EXPECT_EQ(LeadingNumber("No"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("   "), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber("."), 0);
    EXPECT_EQ(LeadingNumber("+-5"), 0);
    EXPECT_EQ(LeadingNumber("$15"), 0);
    EXPECT_EQ(LeadingNumber("x12"), 0);
}

TEST(LeadingNumber, ExtremeDigitStringsStayFinite) {
    const std::string huge(400, '9');
    EXPECT_EQ(LeadingNumber(huge), std::numeric_limits<double>::max());
    EXPECT_EQ(LeadingNumber("-" + huge), -std::numeric_limits<double>::max());
    EXPECT_EQ(LeadingNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(LeadingNumber(std::string(400, '0') + "5"), 5.0);
}

// Makes a German (comma-decimal) locale available: the installed one, or one compiled into a temporary
// directory when the system has the locale sources. Answers whether one could be selected.
bool SelectCommaLocale() {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) {
        return true;
    }
    char directory[] = "/tmp/numbertext-locale-XXXXXX";
    if (mkdtemp(directory) == nullptr) {
        return false;
    }
    const std::string command =
        std::string("localedef -i de_DE -f UTF-8 ") + directory + "/de_DE.UTF-8 >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) {
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

TEST(StrictNumber, AcceptsOnlyAWholeNumberText) {
    EXPECT_EQ(StrictNumber(" 12 ").value_or(-1), 12);
    EXPECT_EQ(StrictNumber("-40").value_or(0), -40);
    EXPECT_EQ(StrictNumber("2.5").value_or(0), 2.5);
    EXPECT_EQ(StrictNumber(" 7\r\n").value_or(0), 7);
    EXPECT_FALSE(StrictNumber("").has_value());
    EXPECT_FALSE(StrictNumber("No").has_value());
    EXPECT_FALSE(StrictNumber("12abc").has_value());
    EXPECT_FALSE(StrictNumber("1 2").has_value());
    EXPECT_FALSE(StrictNumber("-").has_value());
    EXPECT_FALSE(StrictNumber(".").has_value());
    EXPECT_FALSE(StrictNumber("1e5").has_value());
}

TEST(RoundHalfAway, HalvesGoAwayFromZero) {
    EXPECT_EQ(RoundHalfAway(2.5), 3);
    EXPECT_EQ(RoundHalfAway(-2.5), -3);
    EXPECT_EQ(RoundHalfAway(0.5), 1);
    EXPECT_EQ(RoundHalfAway(-0.5), -1);
    EXPECT_EQ(RoundHalfAway(2.4999), 2);
    EXPECT_EQ(RoundHalfAway(0.49999999999999994), 0);
    EXPECT_EQ(RoundHalfAway(std::nan("")), 0);
}

TEST(RoundHalfAway, HugeValuesAreClampedNotUndefined) {
    EXPECT_EQ(RoundHalfAway(1e30), std::numeric_limits<long long>::max());
    EXPECT_EQ(RoundHalfAway(-1e30), -std::numeric_limits<long long>::max());
    EXPECT_EQ(FormatMoney(-1e30), "-$" + std::to_string(std::numeric_limits<long long>::max()));
}

TEST(FormatMoney, DollarsWithTheSignBeforeTheDollar) {
    EXPECT_EQ(FormatMoney(15), "$15");
    EXPECT_EQ(FormatMoney(-40), "-$40");
    EXPECT_EQ(FormatMoney(0), "$0");
    EXPECT_EQ(FormatMoney(-0.4), "$0");
    EXPECT_EQ(FormatMoney(9.5), "$10");
    EXPECT_EQ(FormatMoney(-9.5), "-$10");
    EXPECT_EQ(FormatMoney(1234567), "$1234567");
    EXPECT_EQ(FormatMoney(std::nan("")), "$0");
}

TEST(ParseMoney, AcceptsWhatTheTableShows) {
    EXPECT_EQ(ParseMoney("$15").value_or(0), 15);
    EXPECT_EQ(ParseMoney("-$40").value_or(0), -40);
    EXPECT_EQ(ParseMoney("$-40").value_or(0), -40);
    EXPECT_EQ(ParseMoney(" $ 7 ").value_or(0), 7);
    EXPECT_EQ(ParseMoney("$1,234").value_or(0), 1234);
    EXPECT_EQ(ParseMoney("150").value_or(0), 150);
    EXPECT_EQ(ParseMoney(" 150").value_or(0), 150);
    EXPECT_EQ(ParseMoney("+$3").value_or(0), 3);
    EXPECT_EQ(ParseMoney("$2.5").value_or(0), 2.5);
}

TEST(ParseMoney, RejectsWhatIsNoAmount) {
    EXPECT_FALSE(ParseMoney("").has_value());
    EXPECT_FALSE(ParseMoney("$").has_value());
    EXPECT_FALSE(ParseMoney("-").has_value());
    EXPECT_FALSE(ParseMoney("No").has_value());
    EXPECT_FALSE(ParseMoney("--5").has_value());
    EXPECT_FALSE(ParseMoney("$$5").has_value());
    EXPECT_FALSE(ParseMoney("5$").has_value());
    EXPECT_FALSE(ParseMoney("$5abc").has_value());
    EXPECT_EQ(MoneyValue("No"), 0);
    EXPECT_EQ(MoneyValue("-$12"), -12);
}

TEST(ParseMoney, ReadsBackEveryFormattedAmount) {
    for (long long amount = -5000; amount <= 5000; amount += 7) {
        const std::string shown = FormatMoney(static_cast<double>(amount));
        EXPECT_EQ(ParseMoney(shown).value_or(1e99), static_cast<double>(amount)) << shown;
    }
}

TEST(FormatStoredMoney, NumbersAreFormattedOtherTextKept) {
    EXPECT_EQ(FormatStoredMoney(" 150"), "$150");
    EXPECT_EQ(FormatStoredMoney("-40"), "-$40");
    EXPECT_EQ(FormatStoredMoney(" 2.5"), "$3");
    EXPECT_EQ(FormatStoredMoney("No"), "No");
    EXPECT_EQ(FormatStoredMoney(""), "");
    EXPECT_EQ(FormatStoredMoney("12abc"), "12abc");
}

TEST(IsOn, OnlyTheExactTextFalseIsOff) {
    EXPECT_FALSE(IsOn("False"));
    EXPECT_TRUE(IsOn("True"));
    EXPECT_TRUE(IsOn("No"));
    EXPECT_TRUE(IsOn("false"));
    EXPECT_TRUE(IsOn("FALSE"));
    EXPECT_TRUE(IsOn(" False"));
    EXPECT_TRUE(IsOn(""));
    EXPECT_STREQ(BoolText(true), "True");
    EXPECT_STREQ(BoolText(false), "False");
    EXPECT_FALSE(IsOn(BoolText(false)));
}

} // namespace
} // namespace bacc
