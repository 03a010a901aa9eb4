#include "property_bag.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace lumo {
namespace {

using namespace std::string_literals;

TEST(NumberOfText, ReadsNumbersAsTheRuntimeDoes) {
    EXPECT_EQ(NumberOfText("12"), 12.0);
    EXPECT_EQ(NumberOfText("  7 \t"), 7.0);
    EXPECT_EQ(NumberOfText("-3.5"), -3.5);
    EXPECT_EQ(NumberOfText(".5"), 0.5);
    EXPECT_EQ(NumberOfText("1e3"), 1000.0);
    EXPECT_EQ(NumberOfText("2D2"), 200.0);
    EXPECT_EQ(NumberOfText("&HC6C5D7"), 13026775.0);
    EXPECT_EQ(NumberOfText("&hFFFF"), -1.0); // a short integer
    EXPECT_EQ(NumberOfText("&HFFFF&"), 65535.0);
    EXPECT_EQ(NumberOfText("&HFFFFFFFF"), -1.0);
    EXPECT_EQ(NumberOfText("&O17"), 15.0);
    for (const char* text : {"", "  ", "abc", "1x", "1e", "-", ".", "&H", "&HG1", "&O8",
                             "&H123456789", "1 2", "1e999"}) {
        EXPECT_FALSE(NumberOfText(text).has_value()) << text;
    }
}

TEST(ValuesEqual, NumbersEqualTextsThatReadAsThem) {
    EXPECT_TRUE(ValuesEqual(std::int64_t{1}, "1"s));
    EXPECT_TRUE(ValuesEqual(std::int64_t{0}, "0"s));
    EXPECT_FALSE(ValuesEqual(std::int64_t{2}, "1"s));
    EXPECT_TRUE(ValuesEqual(true, true));
    EXPECT_TRUE(ValuesEqual(true, "-1"s));
    EXPECT_TRUE(ValuesEqual(false, std::int64_t{0}));
    EXPECT_TRUE(ValuesEqual("True"s, true));
    EXPECT_FALSE(ValuesEqual("Command"s, "Command1"s));
    EXPECT_FALSE(ValuesEqual(""s, std::int64_t{0})); // the empty text is no number
    FontDesign bold;
    bold.weight = 700;
    EXPECT_TRUE(ValuesEqual(FontDesign{}, FontDesign{}));
    EXPECT_FALSE(ValuesEqual(bold, FontDesign{}));
    EXPECT_FALSE(ValuesEqual(FontDesign{}, "0"s));
}

TEST(Conversions, FailForValuesTheirTypeCannotHold) {
    EXPECT_EQ(ToInteger("2.5"s, 0, 255), 2); // halves to even
    EXPECT_EQ(ToInteger("3.5"s, 0, 255), 4);
    EXPECT_EQ(ToInteger(true, -1, 1), -1);
    EXPECT_EQ(ToInteger("&HFF"s, 0, 255), 255);
    EXPECT_THROW(ToInteger("256"s, 0, 255), std::out_of_range);
    EXPECT_THROW(ToInteger("-1"s, 0, 255), std::out_of_range);
    EXPECT_THROW(ToInteger("red"s, 0, 255), std::invalid_argument);
    EXPECT_THROW(ToInteger(FontDesign{}, 0, 255), std::invalid_argument);
    EXPECT_THROW(ToInteger(1e300, INT64_MIN, INT64_MAX), std::out_of_range);
    EXPECT_TRUE(ToBool("true"s));
    EXPECT_FALSE(ToBool("0"s));
    EXPECT_THROW(ToBool("maybe"s), std::invalid_argument);
    EXPECT_EQ(ToText(std::int64_t{-5}), "-5");
    EXPECT_EQ(ToText(false), "False");
    EXPECT_THROW(ToFont("font"s), std::invalid_argument);
}

TEST(PropertyBag, LeavesOutDefaultsAndReadsThemBack) {
    PropertyBag bag;
    bag.Write("Caption", "Command"s, "Command"s);
    bag.Write("FirstRun", std::int64_t{1}, "1"s);
    bag.Write("Enabled", true, true);
    EXPECT_EQ(bag.Size(), 0u);
    // Missing entries read as the reader's default, which may differ from the writer's.
    EXPECT_EQ(std::get<std::string>(bag.Read("Caption", "Command1"s)), "Command1");

    bag.Write("Caption", ""s, "Command"s);
    bag.Write("FontColour", std::int64_t{255}, "0"s);
    FontDesign big;
    big.points = 12;
    bag.Write("Font", big, FontDesign{});
    EXPECT_EQ(bag.Size(), 3u);
    EXPECT_EQ(std::get<std::string>(bag.Read("caption", "Command1"s)), "");
    EXPECT_EQ(ToInteger(bag.Read("FONTCOLOUR", "0"s), INT32_MIN, UINT32_MAX), 255);
    EXPECT_EQ(ToFont(bag.Read("font", FontDesign{})).points, 12);

    // Writing the default again takes the entry out, whatever the spelling of its key.
    bag.Write("fontcolour", "0"s, "0"s);
    EXPECT_FALSE(bag.Contains("FontColour"));
    EXPECT_EQ(bag.Size(), 2u);
}

TEST(PropertyBag, ADesignRecordIsWrittenDownWithLowerCaseKeys) {
    const PropertyBag stored{{"caption", "\x90\xdd\x92\xe8"s}, {"font", FontDesign{}}};
    EXPECT_TRUE(stored.Contains("Caption"));
    EXPECT_TRUE(stored.Contains("Font"));
    EXPECT_FALSE(stored.Contains("Enabled"));
    EXPECT_TRUE(ToBool(stored.Read("Enabled", true)));
}

} // namespace
} // namespace lumo
