// The words, colour texts, time lines and number scans of the file format.

#include "files/text_format.h"

#include <gtest/gtest.h>

namespace murva {
namespace {

TEST(TextFormat, KindParameterAndToolWordsBothWays) {
    EXPECT_EQ(ActionKindWord(TActionKind::Create), "Create");
    EXPECT_EQ(ActionKindWord(TActionKind::ClearBG), "CleareBG");
    EXPECT_EQ(ActionKindWord(TActionKind::Branch), "Branch");
    EXPECT_EQ(ActionKindWord(TActionKind::None), "Unknown");
    EXPECT_EQ(ActionKindWord(static_cast<TActionKind>(200)), "Unknown");
    for (int k = 0; k < int(TActionKind::None); ++k)
        EXPECT_EQ(ActionKindFromWord(ActionKindWord(TActionKind(k))), TActionKind(k));
    EXPECT_FALSE(ActionKindFromWord("Unknown"));
    EXPECT_FALSE(ActionKindFromWord("create"));
    EXPECT_FALSE(ActionKindFromWord("Create "));

    EXPECT_EQ(ParameterWord(TChangeParameter::TextColor), "TextColor");
    EXPECT_EQ(ParameterWord(TChangeParameter::None), "Unknown");
    for (int p = 0; p < int(TChangeParameter::None); ++p)
        EXPECT_EQ(ParameterFromWord(ParameterWord(TChangeParameter(p))), TChangeParameter(p));
    EXPECT_FALSE(ParameterFromWord("Unknown"));
    EXPECT_FALSE(ParameterFromWord("size"));

    EXPECT_EQ(ToolWord(TDrawingTool::Text), "dtText");
    EXPECT_EQ(ToolWord(TDrawingTool::Stamp), "dtStamp");
    EXPECT_EQ(ToolWord(TDrawingTool::None), "");
    EXPECT_EQ(ToolWord(static_cast<TDrawingTool>(9)), "");
    for (int t = int(TDrawingTool::Text); t <= int(TDrawingTool::Stamp); ++t)
        EXPECT_EQ(ToolFromWord(ToolWord(TDrawingTool(t))), TDrawingTool(t));
    EXPECT_FALSE(ToolFromWord(""));
    EXPECT_FALSE(ToolFromWord("dtstamp"));
}

TEST(TextFormat, FormatLinesAreComparedWhole) {
    EXPECT_TRUE(IsKnownFormatLine("ZINDA FILE FORMAT 1.0"));
    EXPECT_TRUE(IsKnownFormatLine("ZINDA FILE FORMAT 1.3"));
    EXPECT_TRUE(IsKnownFormatLine("ZINDA FILE FORMAT 1.4"));
    EXPECT_FALSE(IsKnownFormatLine("ZINDA FILE FORMAT 1.5"));
    EXPECT_FALSE(IsKnownFormatLine("ZINDA FILE FORMAT 1.4 "));
    EXPECT_FALSE(IsKnownFormatLine("zinda file format 1.4"));
    EXPECT_FALSE(IsKnownFormatLine(""));
}

TEST(TextFormat, NamedColoursAreWrittenByNameOthersAsHex) {
    EXPECT_EQ(ColorToText(0x000000), "clBlack");
    EXPECT_EQ(ColorToText(0x0000FF), "clRed");
    EXPECT_EQ(ColorToText(0xFF0000), "clBlue");
    EXPECT_EQ(ColorToText(0xF0CAA6), "clSkyBlue");
    EXPECT_EQ(ColorToText(0xA4A0A0), "clMedGray");
    EXPECT_EQ(ColorToText(0x1FFFFFFF), "clNone");
    EXPECT_EQ(ColorToText(0x20000000), "clDefault");
    EXPECT_EQ(ColorToText(0x80000000), "clScrollBar");
    EXPECT_EQ(ColorToText(0x8000000F), "clBtnFace");
    EXPECT_EQ(ColorToText(0x80000018), "clInfoBk");
    EXPECT_EQ(ColorToText(0x8000001A), "clHotLight");
    EXPECT_EQ(ColorToText(0x8000001E), "clMenuBar");
    // Index 25 has no name, nor has anything past the menu bar.
    EXPECT_EQ(ColorToText(0x80000019), "$80000019");
    EXPECT_EQ(ColorToText(0x8000001F), "$8000001F");
    EXPECT_EQ(ColorToText(RGBColor(0x56, 0x34, 0x12)), "$00123456");
    EXPECT_EQ(ColorToText(0x00ABCDEF), "$00ABCDEF");
}

TEST(TextFormat, ColourTextIsReadAsNameNumberOrHex) {
    EXPECT_EQ(ColorFromText("clRed"), 0x0000FFu);
    EXPECT_EQ(ColorFromText("CLRED"), 0x0000FFu);
    EXPECT_EQ(ColorFromText("clbtnface"), 0x8000000Fu);
    EXPECT_EQ(ColorFromText("cl3DDkShadow"), 0x80000015u);
    EXPECT_EQ(ColorFromText("clGradientInactiveCaption"), 0x8000001Cu);
    EXPECT_EQ(ColorFromText("16711680"), 0xFF0000u);
    EXPECT_EQ(ColorFromText("+255"), 0xFFu);
    EXPECT_EQ(ColorFromText("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(ColorFromText("-2147483633"), 0x8000000Fu);
    EXPECT_EQ(ColorFromText("-2147483648"), 0x80000000u);
    EXPECT_EQ(ColorFromText("0"), 0u);
    EXPECT_EQ(ColorFromText("$00123456"), 0x123456u);
    EXPECT_EQ(ColorFromText("$ff"), 0xFFu);
    EXPECT_EQ(ColorFromText("$8000000F"), 0x8000000Fu);
    for (const char* bad : {"", "red", "clRedd", "$", "$12G", "$123456789", "12x", "1 2", "-",
                            " clRed", "clRed ", "99999999999", "-2147483649"})
        EXPECT_FALSE(ColorFromText(bad)) << bad;
}

TEST(TextFormat, EveryNamedOrUnnamedColourSurvivesTextAndBack) {
    for (TColor c : {0x0u, 0x80u, 0xC0DCC0u, 0xFFFFFFu, 0x1FFFFFFFu, 0x80000000u, 0x8000001Eu,
                     0x123456u, 0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000019u})
        EXPECT_EQ(ColorFromText(ColorToText(c)), c) << ColorToText(c);
}

TEST(TextFormat, TimeLineOfTwentyTwoCharactersHoldsDateAndTime) {
    TActionTime t{2011, 14, 6, 5, 10, 27, 33}; // Year, Day, Month, Minute, Hour, Hundredths, Second
    EXPECT_EQ(ActionTimeText(t), "2011 06 14 10 05 33 27");
    EXPECT_EQ(ActionTimeFromText("2011 06 14 10 05 33 27"), t);
    EXPECT_EQ(ActionTimeText(TActionTime{}), "0000 00 00 00 00 00 00");
    EXPECT_EQ(ActionTimeText(TActionTime{987, 1, 2, 3, 4, 5, 6}), "0987 02 01 04 03 06 05");
}

TEST(TextFormat, AnyOtherLengthIsTheTimeAlone) {
    const TActionTime t = ActionTimeFromText("10 05 33 27");
    EXPECT_EQ(t, (TActionTime{0, 0, 0, 5, 10, 27, 33}));
    // Fixed columns, leading digits of each field, no digits give 0.
    EXPECT_EQ(ActionTimeFromText("10:5x:33.2"), (TActionTime{0, 0, 0, 5, 10, 2, 33}));
    EXPECT_EQ(ActionTimeFromText("2011 06 14 10 05 33 271"), (TActionTime{0, 0, 0, 1, 20, 4, 6}));
    EXPECT_EQ(ActionTimeFromText(""), TActionTime{});
    EXPECT_EQ(ActionTimeFromText("ab cd ef gh ij kl mn op"), TActionTime{});
}

TEST(TextFormat, IntegerScansFollowPercentD) {
    EXPECT_EQ(ScanInt("12"), 12);
    EXPECT_EQ(ScanInt("  -7 trailing"), -7);
    EXPECT_EQ(ScanInt("+3"), 3);
    EXPECT_EQ(ScanInt("2147483647"), 2147483647);
    EXPECT_EQ(ScanInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ScanInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(ScanInt("-99999999999999999999"), -2147483647 - 1);
    EXPECT_FALSE(ScanInt(""));
    EXPECT_FALSE(ScanInt("abc"));
    EXPECT_FALSE(ScanInt("- 1"));
    EXPECT_EQ(ScanPoint("100 80"), (TPoint{100, 80}));
    EXPECT_EQ(ScanPoint("-5   -6"), (TPoint{-5, -6}));
    EXPECT_EQ(ScanPoint("7"), (TPoint{7, 0}));
    EXPECT_EQ(ScanPoint("x 7"), (TPoint{0, 0}));
}

} // namespace
} // namespace murva
