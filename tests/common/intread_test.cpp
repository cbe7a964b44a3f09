#include <gtest/gtest.h>

#include "common/intread.h"

using korvalt::IntOf;

TEST(IntOf, ReadsDecimalHexAndGivesZeroForAnythingElse) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        {"12", 12},
        {"012", 12},
        {"  7", 7},
        {"+5", 5},
        {"-5", -5},
        {"$1F", 31},
        {"x10", 16},
        {"X10", 16},
        {"0x10", 16},
        {"0XfF", 255},
        {"", 0},
        {"   ", 0},
        {"7 ", 0},
        {"1a", 0},
        {"- 5", 0},
        {"+", 0},
        {"$", 0},
        {"0x", 0},
        {"-$10", 0},
        {"8,1", 0},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", 0},
        {"99999999999999999999", 0},
        {"$7FFFFFFF", INT32_MAX},
        {"$80000000", 0},
        {"\t5", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IntOf(c.text), c.value) << '"' << c.text << '"';
}

TEST(DecimalOf, RefusesHexadecimal) {
    EXPECT_EQ(korvalt::DecimalOf("20"), 20);
    EXPECT_EQ(korvalt::DecimalOf(" 7"), 7);
    for (const char* hex : {"x20", "$1F", "0x10", " 0X1"})
        EXPECT_EQ(korvalt::DecimalOf(hex), 0) << hex;
    EXPECT_EQ(korvalt::DecimalOf("0"), 0);
}
