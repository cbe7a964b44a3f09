#include <gtest/gtest.h>

#include "common/cp1252.h"

using namespace korvalt;

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, MapsUmlautsEuroAndUndefinedBytes) {
    EXPECT_EQ(Cp1252ToUtf8("\xE4\xF6\xFC\xDF"), "äöüß");
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
    EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xC2\x81");
    EXPECT_EQ(Utf8ToCp1252("Zähler €"), "Z\xE4hler \x80");
    // Characters outside the code page and broken UTF-8 become "?".
    EXPECT_EQ(Utf8ToCp1252("日"), "?");
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");
}
