// Writing the log as an animation file, and files that survive reading and writing.

#include "file_fixtures.h"

#include "history/history_fixtures.h"

#include <gtest/gtest.h>

namespace murva {
namespace {

using test::Append;
using test::Crlf;
using test::FixtureBytes;
using test::MakePolyline;
using test::MakeRect;
using test::TReadTarget;

// Written, read back and written again: the bytes must not change.
std::string RoundTrip(const THistoryList& log) {
    const std::string first = WriteActionFile(log);
    TReadTarget t;
    const TReadResult result = t.Read(first);
    EXPECT_EQ(result.Result, 0);
    EXPECT_EQ(WriteActionFile(t.Log), first);
    return first;
}

// The lines of the file between "begin FigData" ... "end FigData" of the nth action.
std::string ActionLines(const std::string& file, int n) {
    std::size_t at = 0;
    for (int i = 0; i <= n; ++i)
        at = file.find("begin ActionData\r\n", at) + 1;
    const std::size_t end = file.find("end ActionData\r\n", at);
    return file.substr(at - 1, end - at + 1 + 16);
}

TEST(ActionWriter, WritesTheFormatExampleBackByteForByte) {
    const std::string bytes = FixtureBytes("format_example.mrv");
    TReadTarget t;
    ASSERT_EQ(t.Read(bytes).Result, 0);
    EXPECT_EQ(WriteActionFile(t.Log), bytes);
}

TEST(ActionWriter, AnEmptyLogIsTheFormatLineAlone) {
    THistoryList log;
    EXPECT_EQ(WriteActionFile(log), "ZINDA FILE FORMAT 1.4\r\n");
    TReadTarget t;
    EXPECT_EQ(t.Read(WriteActionFile(log)).Result, 0);
    EXPECT_EQ(t.Log.GetCount(), 0);
}

TEST(ActionWriter, WritesEachKindWithItsOwnLines) {
    THistoryList log;
    TFigData rect = MakeRect(1, 2, 3, 4, 5);
    rect.Text = "";
    TFigData empty = MakePolyline({});
    Append(log, TActionKind::Create, 1, &rect)->Data.MarkInformation = -3;
    Append(log, TActionKind::Create, 2, &empty);
    Append(log, TActionKind::Delete, 1);
    Append(log, TActionKind::SetStamp, 9);
    Append(log, TActionKind::ReadBG, 0)->Data.FileName = "bg.jpg";
    Append(log, TActionKind::None, 4);
    TActionItem* change = Append(log, TActionKind::Change, 2, &rect);
    change->Data.Parameter = static_cast<TChangeParameter>(9);
    TFigData noTool = rect;
    noTool.DrawingTool = static_cast<TDrawingTool>(12);
    Append(log, TActionKind::Move, 3, &noTool);
    const std::string file = WriteActionFile(log);
    const std::string time = "begin ActionData\n0000 00 00 00 00 00 00\n";
    EXPECT_EQ(ActionLines(file, 0),
              Crlf(time + "-3\nCreate\n1\nbegin FigData\ndtRectangle\n0\n1\nclBlack\nclBlack\n0\n"
                          "clBlack\n\n1 2\n3 4\n5\n0\nend FigData\nend ActionData\n"));
    EXPECT_EQ(ActionLines(file, 1),
              Crlf(time + "0\nCreate\n2\nbegin FigData\ndtPolyline\n0\n0\nclBlack\nclBlack\n0\n"
                          "clBlack\n\n-100 -100\n-100 -100\n1\n0\nbegin PointData\nend PointData\n"
                          "end FigData\nend ActionData\n"));
    EXPECT_EQ(ActionLines(file, 2), Crlf(time + "0\nDelete\n1\nend ActionData\n"));
    EXPECT_EQ(ActionLines(file, 3), Crlf(time + "0\nSetStamp\nend ActionData\n"));
    EXPECT_EQ(ActionLines(file, 4), Crlf(time + "0\nReadBG\nbg.jpg\nend ActionData\n"));
    EXPECT_EQ(ActionLines(file, 5), Crlf(time + "0\nUnknown\nend ActionData\n"));
    EXPECT_EQ(ActionLines(file, 6),
              Crlf(time + "0\nChange\n2\nUnknown\nbegin FigData\nend FigData\nend ActionData\n"));
    EXPECT_EQ(ActionLines(file, 7),
              Crlf(time + "0\nMove\n3\nbegin FigData\n0\n1\nclBlack\nclBlack\n0\nclBlack\n\n"
                          "1 2\n3 4\n5\n0\nend FigData\nend ActionData\n"));
}

TEST(ActionWriter, FreeMovePathsAreWrittenOnlyWhenFreeIsOne) {
    THistoryList log;
    TFigData moved = MakeRect(0, 0, 10, 10);
    moved.FreeMoveData = std::make_shared<TPointData>();
    for (int i = 0; i < 5; ++i)
        moved.FreeMoveData->AddPlain(i, -i);
    moved.FreeMoveCount = 3;
    moved.Free = 1;
    Append(log, TActionKind::Move, 1, &moved);
    moved.Free = 0;
    Append(log, TActionKind::Move, 1, &moved);
    const std::string file = RoundTrip(log);
    EXPECT_NE(ActionLines(file, 0).find(Crlf("1\n1\nbegin FreeMoveData\n0 0\n1 -1\n2 -2\n"
                                             "end FreeMoveData\nend FigData\n")),
              std::string::npos);
    EXPECT_EQ(ActionLines(file, 1).find("FreeMoveData"), std::string::npos);
}

TFigData MakeStamp(std::initializer_list<TFigData> children) {
    TFigData stamp = MakeRect(10, 10, 90, 90, 2);
    stamp.DrawingTool = TDrawingTool::Stamp;
    stamp.StampData = std::make_shared<TFigList>();
    for (const TFigData& child : children)
        stamp.StampData->Add(child);
    return stamp;
}

TEST(ActionWriter, NestedStampsComeBackWithTheSameNesting) {
    TFigData line = MakeRect(1, 1, 5, 5);
    line.DrawingTool = TDrawingTool::Line;
    line.Free = 1; // never written for a child
    const TFigData inner =
        MakeStamp({line, MakePolyline({{0, 0}, {3, 4}}, TDrawingTool::FreeLine)});
    const TFigData outer = MakeStamp({MakeStamp({inner}), line, MakeStamp({})});
    THistoryList log;
    Append(log, TActionKind::Create, 1, &outer);
    const std::string file = RoundTrip(log);
    EXPECT_EQ(file.find("FreeMoveData"), std::string::npos);

    TReadTarget t;
    ASSERT_EQ(t.Read(file).Result, 0);
    const TFigList& top = *t.At(0)->Data.FigData.StampData;
    ASSERT_EQ(top.Count(), 3);
    const TFigData& level1 = top.At(0)->Data;
    ASSERT_EQ(level1.DrawingTool, TDrawingTool::Stamp);
    ASSERT_EQ(level1.StampData->Count(), 1);
    const TFigData& level2 = level1.StampData->At(0)->Data;
    ASSERT_EQ(level2.StampData->Count(), 2);
    EXPECT_EQ(level2.StampData->At(1)->Data.DrawingTool, TDrawingTool::FreeLine);
    EXPECT_EQ(level2.StampData->At(1)->Data.PointData->At(1), (TPoint{3, 4}));
    EXPECT_EQ(top.At(1)->Data.DrawingTool, TDrawingTool::Line);
    EXPECT_EQ(top.At(1)->Data.Free, 0);
    EXPECT_EQ(top.At(2)->Data.StampData->Count(), 0);
}

TEST(ActionWriter, SizeChangesCarryTheBlockOfTheFiguresFirstAction) {
    const TFigData polygon = MakePolyline({{0, 0}, {10, 0}, {5, 8}}, TDrawingTool::Polygon);
    const TFigData stamp = MakeStamp({MakeRect(0, 0, 4, 4)});
    TFigData ellipse = MakeRect(0, 0, 20, 10);
    ellipse.DrawingTool = TDrawingTool::Ellipse;
    THistoryList log;
    Append(log, TActionKind::Create, 1, &polygon);
    Append(log, TActionKind::Create, 2, &stamp);
    Append(log, TActionKind::Create, 3, &ellipse);
    // The changes' own copies: bigger points, another child, the same ellipse.
    const TFigData bigger = MakePolyline({{0, 0}, {20, 0}, {10, 16}}, TDrawingTool::Polygon);
    const TFigData restamped = MakeStamp({MakeRect(0, 0, 8, 8), MakeRect(1, 1, 2, 2)});
    Append(log, TActionKind::Change, 1, &bigger)->Data.Parameter = TChangeParameter::Size;
    Append(log, TActionKind::Change, 2, &restamped)->Data.Parameter = TChangeParameter::Size;
    Append(log, TActionKind::Change, 3, &ellipse)->Data.Parameter = TChangeParameter::Size;
    // A figure whose first action carries no figure block: nothing after the corners.
    Append(log, TActionKind::Delete, 4);
    Append(log, TActionKind::Change, 4, &bigger)->Data.Parameter = TChangeParameter::Size;
    Append(log, TActionKind::Change, 5, &bigger)->Data.Parameter = TChangeParameter::Size;
    const std::string file = RoundTrip(log);
    const std::string head = "begin ActionData\n0000 00 00 00 00 00 00\n0\nChange\n";
    EXPECT_EQ(ActionLines(file, 3),
              Crlf(head + "1\nSize\nbegin FigData\n0\n0 0\n20 16\nbegin PointData\n0 0\n20 0\n"
                          "10 16\nend PointData\nend FigData\nend ActionData\n"));
    const std::string stampLines = ActionLines(file, 4);
    EXPECT_NE(stampLines.find(Crlf("begin StampData\nbegin FigData\ndtRectangle\n0\n1\nclBlack\n"
                                   "clBlack\n0\nclBlack\n\n0 0\n8 8\nend FigData\n")),
              std::string::npos);
    EXPECT_NE(stampLines.find(Crlf("1 1\n2 2\nend FigData\nend StampData\nend FigData\n")),
              std::string::npos);
    EXPECT_EQ(ActionLines(file, 5), Crlf(head + "3\nSize\nbegin FigData\n0\n0 0\n20 10\n"
                                                "end FigData\nend ActionData\n"));
    EXPECT_EQ(ActionLines(file, 7).find("PointData"), std::string::npos);
    EXPECT_EQ(ActionLines(file, 8).find("PointData"), std::string::npos);
}

TEST(ActionWriter, ColourChangeAndTextChangeBlocks) {
    TFigData text = MakeRect(5, 6, 7, 8);
    text.DrawingTool = TDrawingTool::Text;
    text.Text = "ねこ";
    text.BrushColor = NoFillColor;
    text.PenWidth = 3;
    text.PenColor = RGBColor(1, 2, 3);
    text.TextColor = 0x80000008;
    THistoryList log;
    for (TChangeParameter p :
         {TChangeParameter::BodyColor, TChangeParameter::LineWidth, TChangeParameter::LineColor,
          TChangeParameter::Text, TChangeParameter::TextColor})
        Append(log, TActionKind::Change, 1, &text)->Data.Parameter = p;
    const std::string file = RoundTrip(log);
    auto block = [&](int n) {
        const std::string lines = ActionLines(file, n);
        const std::size_t at = lines.find("begin FigData\r\n") + 15;
        return lines.substr(at, lines.find("end FigData") - at);
    };
    EXPECT_EQ(block(0), "clBtnFace\r\n");
    EXPECT_EQ(block(1), "3\r\n");
    EXPECT_EQ(block(2), "$00030201\r\n");
    EXPECT_EQ(block(3), "5 6\r\n7 8\r\n\x82\xcb\x82\xb1\r\n");
    EXPECT_EQ(block(4), "clWindowText\r\n");
}

TEST(ActionWriter, TextsAndFileNamesAreCp932OnDiskAndUtf8InMemory) {
    TFigData rect = MakeRect(0, 0, 1, 1);
    rect.Text = "あいう😀";
    THistoryList log;
    Append(log, TActionKind::Create, 1, &rect);
    Append(log, TActionKind::ReadBG, 0)->Data.FileName = "C:\\えほん\\はいけい.jpg";
    const std::string file = WriteActionFile(log);
    EXPECT_NE(file.find("\r\n\x82\xa0\x82\xa2\x82\xa4?\r\n"), std::string::npos);
    TReadTarget t;
    ASSERT_EQ(t.Read(file).Result, 0);
    EXPECT_EQ(t.At(0)->Data.FigData.Text, "あいう?");
    EXPECT_EQ(t.At(1)->Data.FileName, "C:\\えほん\\はいけい.jpg");
}

TEST(ActionWriter, ALineEndInsideATextCannotBreakTheFile) {
    TFigData rect = MakeRect(0, 0, 1, 1);
    rect.Text = "two\nlines";
    THistoryList log;
    Append(log, TActionKind::Create, 1, &rect);
    TReadTarget t;
    ASSERT_EQ(t.Read(WriteActionFile(log)).Result, 0);
    EXPECT_EQ(t.At(0)->Data.FigData.Text, "two lines");
}

TEST(ActionWriter, ReadFilesOfEitherVariantAreWrittenStably) {
    for (const char* name : {"drawing_v12.znd", "three_figures.znd"}) {
        TReadTarget t;
        t.LoadKind = TLoadKind::Drawing;
        ASSERT_EQ(t.Read(FixtureBytes(name)).Result, 0) << name;
        RoundTrip(t.Log);
    }
    TReadTarget t;
    ASSERT_EQ(t.Read(FixtureBytes("two_pairs.mrv")).Result, 0);
    EXPECT_EQ(WriteActionFile(t.Log), FixtureBytes("two_pairs.mrv"));
}

} // namespace
} // namespace murva
