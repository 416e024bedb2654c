#include "core/device/value_conversion.h"

#include <gtest/gtest.h>

namespace tap {
namespace {

TEST(ValueConversion, AcceptsSpacesSignsAndFractionsRoundedHalfToEven) {
    EXPECT_EQ(toInt16("0", "v"), 0);
    EXPECT_EQ(toInt16("  -12 ", "v"), -12);
    EXPECT_EQ(toInt16("+7", "v"), 7);
    EXPECT_EQ(toInt16("2.5", "v"), 2);
    EXPECT_EQ(toInt16("3.5", "v"), 4);
    EXPECT_EQ(toInt16("-2.5", "v"), -2);
    EXPECT_EQ(toInt16("2.51", "v"), 3);
    EXPECT_EQ(toInt16("32767", "v"), 32767);
    EXPECT_EQ(toInt16("-32768", "v"), -32768);
    EXPECT_EQ(toInt32("588.0", "v"), 588);
    EXPECT_EQ(toInt32("-2147483648", "v"), INT32_MIN);
}

TEST(ValueConversion, RejectsWhatIsNotADecimalNumber) {
    for (const char* bad : {"", " ", "x", "1e3", "0x10", "12abc", "--1", "1.2.3", ".", "+"})
        EXPECT_THROW(toInt16(bad, "v"), ConversionError) << '"' << bad << '"';
}

TEST(ValueConversion, RejectsValuesOutOfRange) {
    for (const char* big : {"32768", "-32769", "40000", "32767.5", "99999999999999999999999"})
        EXPECT_THROW(toInt16(big, "v"), ConversionError) << big;
    EXPECT_THROW(toInt32("2147483648", "v"), ConversionError);
}

TEST(ValueConversion, BooleansAreWordsInAnyCaseOrNumbers) {
    EXPECT_TRUE(toBool("True", "v"));
    EXPECT_TRUE(toBool("TRUE", "v"));
    EXPECT_FALSE(toBool(" false ", "v"));
    EXPECT_TRUE(toBool("-1", "v"));
    EXPECT_FALSE(toBool("0", "v"));
    EXPECT_THROW(toBool("yes", "v"), ConversionError);
}

TEST(ValueConversion, MessageNamesTheValueAndWhatWentWrong) {
    try {
        toInt16("40000", "PANEL / SKIN");
        FAIL();
    } catch (const ConversionError& e) {
        const std::string m = e.what();
        EXPECT_NE(m.find("PANEL / SKIN"), std::string::npos);
        EXPECT_NE(m.find("40000"), std::string::npos);
        EXPECT_NE(m.find("32767"), std::string::npos);
    }
}

}  // namespace
}  // namespace tap
