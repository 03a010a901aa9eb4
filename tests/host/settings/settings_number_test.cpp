#include "settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace lumo {
namespace {

TEST(ReadSettingNumber, PlainIntegersWithBlanksAndSigns) {
    EXPECT_EQ(ReadSettingNumber("0"), 0);
    EXPECT_EQ(ReadSettingNumber("2"), 2);
    EXPECT_EQ(ReadSettingNumber(" 1"), 1); // the written form
    EXPECT_EQ(ReadSettingNumber("  5  "), 5);
    EXPECT_EQ(ReadSettingNumber("\t30\t"), 30);
    EXPECT_EQ(ReadSettingNumber("-1"), -1);
    EXPECT_EQ(ReadSettingNumber("+7"), 7);
    EXPECT_EQ(ReadSettingNumber("007"), 7);
    EXPECT_EQ(ReadSettingNumber("-0"), 0);
}

TEST(ReadSettingNumber, FractionsRoundTowardsMinusInfinity) {
    EXPECT_EQ(ReadSettingNumber("1.9"), 1);
    EXPECT_EQ(ReadSettingNumber("2.0"), 2);
    EXPECT_EQ(ReadSettingNumber("-1.5"), -2);
    EXPECT_EQ(ReadSettingNumber("-0.1"), -1);
    EXPECT_EQ(ReadSettingNumber("-2.000"), -2);
    EXPECT_EQ(ReadSettingNumber(".5"), 0);
    EXPECT_EQ(ReadSettingNumber("3."), 3);
    EXPECT_EQ(ReadSettingNumber("0.00000000000000000000001"), 0);
    EXPECT_EQ(ReadSettingNumber("-0.00000000000000000000001"), -1);
}

TEST(ReadSettingNumber, SixteenBitRange) {
    EXPECT_EQ(ReadSettingNumber("32767"), 32767);
    EXPECT_EQ(ReadSettingNumber("32767.99"), 32767);
    EXPECT_EQ(ReadSettingNumber("-32768"), -32768);
    EXPECT_EQ(ReadSettingNumber("32768"), std::nullopt);
    EXPECT_EQ(ReadSettingNumber("-32769"), std::nullopt);
    EXPECT_EQ(ReadSettingNumber("-32768.5"), std::nullopt); // rounds down to -32769
    EXPECT_EQ(ReadSettingNumber("65538"), std::nullopt);    // no wrap-around to 2
    EXPECT_EQ(ReadSettingNumber("4294967298"), std::nullopt);
}

TEST(ReadSettingNumber, HugeDigitStrings) {
    EXPECT_EQ(ReadSettingNumber(std::string(5000, '9')), std::nullopt);
    EXPECT_EQ(ReadSettingNumber("-" + std::string(400, '1')), std::nullopt);
    EXPECT_EQ(ReadSettingNumber(std::string(300, '0') + "12"), 12);
    EXPECT_EQ(ReadSettingNumber("1." + std::string(300, '9')), 1);
}

TEST(ReadSettingNumber, Exponents) {
    EXPECT_EQ(ReadSettingNumber("1e2"), 100);
    EXPECT_EQ(ReadSettingNumber("2.5E1"), 25);
    EXPECT_EQ(ReadSettingNumber("25e-1"), 2);
    EXPECT_EQ(ReadSettingNumber("-25e-1"), -3);
    EXPECT_EQ(ReadSettingNumber("1e+3"), 1000);
    EXPECT_EQ(ReadSettingNumber("1e5"), std::nullopt);
    // An exponent beyond what the reader holds (10^18) is no number, whatever it would give.
    EXPECT_EQ(ReadSettingNumber("1e1000000000000000000"), std::nullopt);
    EXPECT_EQ(ReadSettingNumber("1e999999999999999999999"), std::nullopt);
    EXPECT_EQ(ReadSettingNumber("1e9999999999999999999"), std::nullopt);
    EXPECT_EQ(ReadSettingNumber("1e-999999999999999999999"), std::nullopt);
    EXPECT_EQ(ReadSettingNumber("-1e-999999999999999999999"), std::nullopt);
    EXPECT_EQ(ReadSettingNumber("0e999999999999999999999"), std::nullopt);
    EXPECT_EQ(ReadSettingNumber("1e-1000000000000000000"), 0);
    EXPECT_EQ(ReadSettingNumber("1e"), std::nullopt);
    EXPECT_EQ(ReadSettingNumber("1e+"), std::nullopt);
}

TEST(ReadSettingNumber, TextsThatAreNoNumber) {
    for (const char* text :
         {"",     " ",     "abc",  "1a",   "a1",  "1 2", "- 1", "--1",       "+-1",   ".", "-.",
          "1..2", "1,000", "&H10", "0x10", "NaN", "nan", "inf", "-Infinity", "1e2.5", "１"}) {
        EXPECT_EQ(ReadSettingNumber(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(ReadDecimal, TellsWhetherAFractionWasDropped) {
    EXPECT_FALSE(ReadDecimal("3")->fraction);
    EXPECT_FALSE(ReadDecimal("3.000")->fraction);
    EXPECT_TRUE(ReadDecimal("3.5")->fraction);
    EXPECT_EQ(ReadDecimal("3.5")->floor, 3);
    EXPECT_FALSE(ReadDecimal("30e-1")->fraction);
    EXPECT_EQ(ReadDecimal("2147483647")->floor, 2147483647);
    EXPECT_EQ(ReadDecimal("-2147483648")->floor, -2147483647 - 1);
    EXPECT_EQ(ReadDecimal("2147483648"), std::nullopt);
    EXPECT_EQ(ReadDecimal("-2147483647.5")->floor, -2147483647 - 1);
    EXPECT_EQ(ReadDecimal("-2147483648.5"), std::nullopt);
}

TEST(FormatSettingNumber, BlankBeforeZeroAndPositiveMinusBeforeNegative) {
    EXPECT_EQ(FormatSettingNumber(0), " 0");
    EXPECT_EQ(FormatSettingNumber(1), " 1");
    EXPECT_EQ(FormatSettingNumber(30), " 30");
    EXPECT_EQ(FormatSettingNumber(-1), "-1");
    EXPECT_EQ(FormatSettingNumber(32767), " 32767");
    EXPECT_EQ(FormatSettingNumber(-32768), "-32768");
}

TEST(FormatSettingNumber, ReadsBackToTheSameValue) {
    for (int v = -32768; v <= 32767; v += 97) {
        const auto value = static_cast<std::int16_t>(v);
        EXPECT_EQ(ReadSettingNumber(FormatSettingNumber(value)), value);
    }
}

} // namespace
} // namespace lumo
