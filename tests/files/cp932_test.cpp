// Texts in files are CP932 on disk and UTF-8 in memory, and neither direction fails.

#include "files/cp932.h"

#include <gtest/gtest.h>

namespace murva {
namespace {

TEST(Cp932, JapaneseTextsConvertBothWays) {
    const std::string utf8 = "たこ、カタカナ、漢字と ASCII \\~";
    const std::string sjis = Utf8ToCp932(utf8);
    EXPECT_EQ(sjis.substr(0, 4), "\x82\xbd\x82\xb1");
    EXPECT_EQ(sjis.substr(sjis.size() - 9), " ASCII \\~");
    EXPECT_EQ(Cp932ToUtf8(sjis), utf8);
    // Half-width katakana and the characters Windows adds to Shift-JIS.
    EXPECT_EQ(Cp932ToUtf8("\xb1\x87\x40"), "ｱ①");
    EXPECT_EQ(Utf8ToCp932("ｱ①"), "\xb1\x87\x40");
    EXPECT_EQ(Cp932ToUtf8(""), "");
}

TEST(Cp932, UndecodableBytesBecomeReplacementCharacters) {
    EXPECT_EQ(Cp932ToUtf8("a\x82"), "a\xEF\xBF\xBD"); // cut off at the end
    EXPECT_EQ(Cp932ToUtf8("\xA0z"), "\xEF\xBF\xBDz"); // no character
    EXPECT_EQ(Cp932ToUtf8("\x82\xa0\xFF\x82\xa2"), "あ\xEF\xBF\xBDい");
}

TEST(Cp932, CharactersCp932CannotHoldBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp932("a\xF0\x9F\x98\x80"
                          "b"),
              "a?b"); // an emoji
    EXPECT_EQ(Utf8ToCp932("é"), "?");
    EXPECT_EQ(Utf8ToCp932("あ\xC3"), "\x82\xa0?"); // broken UTF-8 at the end
    EXPECT_EQ(Utf8ToCp932("\xFF"
                          "x"),
              "?x");
}

} // namespace
} // namespace murva
