// Reading animation and drawing-process files into the log.

#include "file_fixtures.h"

#include <gtest/gtest.h>

namespace murva {
namespace {

using test::Crlf;
using test::FixtureBytes;
using test::TReadTarget;

const std::string Header = "ZINDA FILE FORMAT 1.4\n";

std::string RectBlock(int id, const std::string& tail = "1\n0\n") {
    return "begin ActionData\n2011 06 14 10 05 33 27\n0\nCreate\n" + std::to_string(id) +
           "\nbegin FigData\ndtRectangle\n0\n1\nclBlack\nclWhite\n12\nclBlack\n\n100 80\n220 "
           "160\n" +
           tail + "end FigData\nend ActionData\n";
}

TEST(ActionReader, ReadsTheFormatExample) {
    TReadTarget t;
    const TReadResult result = t.Read(FixtureBytes("format_example.mrv"));
    ASSERT_EQ(result.Result, 0);
    EXPECT_TRUE(result.Messages.empty());
    ASSERT_EQ(t.Log.GetCount(), 2);
    EXPECT_EQ(t.ReplayBase, t.Log.GetHead());
    EXPECT_EQ(t.Reader.FormatVersionLine, "ZINDA FILE FORMAT 1.4");
    EXPECT_EQ(t.LastFigureID, 2);

    const TActionData& create = t.At(0)->Data;
    EXPECT_EQ(create.ActionTime, (TActionTime{2011, 14, 6, 5, 10, 27, 33}));
    EXPECT_EQ(create.TargetType, TActionKind::Create);
    EXPECT_EQ(create.TargetID, 2);
    EXPECT_EQ(create.Parameter, TChangeParameter::None);
    const TFigData& f = create.FigData;
    EXPECT_EQ(f.DrawingTool, TDrawingTool::Rectangle);
    EXPECT_EQ(f.PenWidth, 1);
    EXPECT_EQ(f.PenColor, clBlack);
    EXPECT_EQ(f.BrushColor, clWhite);
    EXPECT_EQ(f.TextSize, 12);
    EXPECT_EQ(f.Text, "");
    EXPECT_EQ(f.Start, (TPoint{100, 80}));
    EXPECT_EQ(f.End, (TPoint{220, 160}));
    EXPECT_EQ(f.CutNumber, 1);
    EXPECT_EQ(f.Free, 0);
    EXPECT_FALSE(f.PointData || f.FreeMoveData || f.StampData);

    const TActionData& change = t.At(1)->Data;
    EXPECT_EQ(change.TargetType, TActionKind::Change);
    EXPECT_EQ(change.Parameter, TChangeParameter::LineColor);
    EXPECT_EQ(change.FigData.PenColor, 0x0000FFu);
    EXPECT_EQ(change.ActionTime.Hundredths, 2);
}

TEST(ActionReader, ReadsAVersionOnePointTwoDrawingFileIntoTheNextPartsSlot) {
    TReadTarget t;
    t.LoadKind = TLoadKind::Drawing;
    t.PartsCount = 2;
    ASSERT_EQ(t.Read(FixtureBytes("drawing_v12.znd")).Result, 0);
    ASSERT_EQ(t.Log.GetCount(), 3);

    const TActionData& polygon = t.At(0)->Data;
    EXPECT_EQ(polygon.MarkInformation, 0);
    EXPECT_EQ(polygon.ActionTime, (TActionTime{0, 0, 0, 5, 10, 27, 33}));
    EXPECT_EQ(polygon.FigData.EndCopyMark, 0);
    EXPECT_EQ(polygon.FigData.PenWidth, 2);
    EXPECT_EQ(polygon.FigData.PenColor, 0x800000u);
    EXPECT_EQ(polygon.FigData.BrushColor, 0x123456u);
    EXPECT_EQ(polygon.FigData.CutNumber, 102);
    EXPECT_EQ(polygon.FigData.Free, 0);
    ASSERT_TRUE(polygon.FigData.PointData);
    EXPECT_EQ(polygon.FigData.PointData->Count, 3);
    EXPECT_EQ(polygon.FigData.PointData->At(2), (TPoint{30, 40}));
    EXPECT_EQ(polygon.FigData.PointData->MaxX, 50);

    const TFigData& stamp = t.At(1)->Data.FigData;
    EXPECT_EQ(stamp.DrawingTool, TDrawingTool::Stamp);
    EXPECT_EQ(stamp.Text, "たこ");
    EXPECT_EQ(stamp.BrushColor, NoFillColor);
    EXPECT_EQ(stamp.CutNumber, 102);
    ASSERT_TRUE(stamp.StampData);
    const TFigData& child = stamp.StampData->GetFirst()->Data;
    EXPECT_EQ(child.DrawingTool, TDrawingTool::Polyline);
    EXPECT_EQ(child.PenColor, clBlack);
    EXPECT_EQ(child.BrushColor, 0xFFFFFFFFu);
    EXPECT_EQ(child.TextColor, 0xFF0000u);
    EXPECT_EQ(child.CutNumber, 102);
    EXPECT_EQ(child.Free, 0);
    EXPECT_EQ(child.PointData->Count, 2);

    // The size change of figure 1 (a polygon) carries its points.
    const TActionData& size = t.At(2)->Data;
    EXPECT_EQ(size.Parameter, TChangeParameter::Size);
    EXPECT_EQ(size.FigData.End, (TPoint{60, 50}));
    ASSERT_TRUE(size.FigData.PointData);
    EXPECT_EQ(size.FigData.PointData->Count, 3);
}

TEST(ActionReader, StampChildrenOfAnAnimationHaveNoCutNumberOrFree) {
    const std::string file =
        Header +
        "begin ActionData\n2011 06 14 10 05 33 27\n0\nCreate\n1\nbegin FigData\ndtStamp\n0\n1\n"
        "clBlack\nclWhite\n12\nclBlack\n\n0 0\n10 10\n4\n1\n"
        "begin FreeMoveData\n5 6\n7 8\nend FreeMoveData\nbegin StampData\n"
        "begin FigData\ndtStamp\n0\n1\nclBlack\nclWhite\n12\nclBlack\n\n0 0\n5 5\n"
        "begin StampData\nbegin FigData\ndtLine\n0\n3\nclRed\nclWhite\n12\nclBlack\ndeep\n1 1\n"
        "2 2\nend FigData\nend StampData\nend FigData\n"
        "end StampData\nend FigData\nend ActionData\n";
    TReadTarget t;
    ASSERT_EQ(t.Read(Crlf(file)).Result, 0);
    const TFigData& stamp = t.At(0)->Data.FigData;
    EXPECT_EQ(stamp.CutNumber, 4);
    EXPECT_EQ(stamp.FreeMoveCount, 2);
    const TFigData& inner = stamp.StampData->GetFirst()->Data;
    EXPECT_EQ(inner.DrawingTool, TDrawingTool::Stamp);
    EXPECT_EQ(inner.CutNumber, 0);
    EXPECT_EQ(inner.Free, 0);
    EXPECT_FALSE(inner.FreeMoveData);
    const TFigData& deep = inner.StampData->GetFirst()->Data;
    EXPECT_EQ(deep.Text, "deep");
    EXPECT_EQ(deep.PenWidth, 3);
    EXPECT_EQ(deep.CutNumber, 0);
    EXPECT_EQ(inner.StampData->GetFirst()->Next, nullptr);
}

TEST(ActionReader, FreeMoveBlockFollowsThePointsAndAnyOtherLineLeavesThePathEmpty) {
    const std::string withPath =
        Header +
        "begin ActionData\n2011 06 14 10 05 33 27\n0\nMove\n1\nbegin FigData\ndtPolyline\n0\n1\n"
        "clBlack\nclWhite\n12\nclBlack\n\n0 0\n10 10\n3\n1\nbegin PointData\n0 0\n10 10\n"
        "end PointData\nbegin FreeMoveData\n5 6\n7 8\n9 10\nend FreeMoveData\nend FigData\n"
        "end ActionData\n";
    TReadTarget t;
    ASSERT_EQ(t.Read(Crlf(withPath)).Result, 0);
    const TFigData& f = t.At(0)->Data.FigData;
    EXPECT_EQ(f.CutNumber, 3);
    EXPECT_EQ(f.Free, 1);
    EXPECT_EQ(f.FreeMoveCount, 3);
    ASSERT_TRUE(f.FreeMoveData);
    EXPECT_EQ(f.FreeMoveData->At(2), (TPoint{9, 10}));

    // Free 1 with another line where the block belongs: that line is passed over.
    TReadTarget u;
    ASSERT_EQ(u.Read(Crlf(Header + RectBlock(1, "1\n1\nno path here\n"))).Result, 0);
    const TFigData& g = u.At(0)->Data.FigData;
    EXPECT_EQ(g.Free, 1);
    EXPECT_EQ(g.FreeMoveCount, 0);
    ASSERT_TRUE(g.FreeMoveData);
    EXPECT_EQ(g.FreeMoveData->Count, 0);
}

TEST(ActionReader, IdsKeepClearOfTheLogsAndBranchStepsFollowItsActions) {
    const std::string file = Header + RectBlock(2) + RectBlock(5) +
                             "begin ActionData\n2011 06 14 10 05 33 27\n0\nBranch\n4\n"
                             "end ActionData\n";
    TReadTarget t;
    t.PairCount = 3;
    t.LastFigureID = 40;
    // Into an empty log: past the pairs there are.
    ASSERT_EQ(t.Read(Crlf(file)).Result, 0);
    EXPECT_EQ(t.At(0)->Data.TargetID, 8);
    EXPECT_EQ(t.At(1)->Data.TargetID, 11);
    EXPECT_EQ(t.At(2)->Data.TargetID, 4);
    EXPECT_EQ(t.LastFigureID, 11);
    // Again: past the largest id in the log, and the steps after its three actions.
    ASSERT_EQ(t.Read(Crlf(file)).Result, 0);
    EXPECT_EQ(t.At(3)->Data.TargetID, 13);
    EXPECT_EQ(t.At(4)->Data.TargetID, 16);
    EXPECT_EQ(t.At(5)->Data.TargetID, 7);
    EXPECT_EQ(t.Log.HighestTargetID(), 16);
}

TEST(ActionReader, AReadAppendsAfterTheLogAndRemembersWhereItBegan) {
    const std::string file = Crlf(Header + RectBlock(1));
    TReadTarget t;
    ASSERT_EQ(t.Read(file).Result, 0);
    TActionItem* first = t.Log.GetTail();
    ASSERT_EQ(t.Read(file).Result, 0);
    EXPECT_EQ(t.Log.GetCount(), 2);
    EXPECT_EQ(t.ReplayBase, first);
    EXPECT_EQ(t.LastFigureID, 2) << "the second figure's id is clear of the first's";
}

TEST(ActionReader, BackgroundActionsAreRememberedAndKeepTheirNames) {
    const std::string bg = "begin ActionData\n2011 06 14 10 05 33 27\n0\nReadBG\n"
                           "C:\\\x82\xa0\\bg.jpg\nend ActionData\n";
    const std::string data = "begin ActionData\n2011 06 14 10 05 33 27\n0\nReadData\n"
                             "cat.znd\nend ActionData\n";
    const std::string clearAll = "begin ActionData\n2011 06 14 10 05 33 27\n0\nClearAll\n"
                                 "end ActionData\n";
    TReadTarget t;
    ASSERT_EQ(t.Read(Crlf(Header + bg + data)).Result, 0);
    EXPECT_EQ(t.Reader.BGReadState, TBackgroundRead::Read);
    EXPECT_EQ(t.BackgroundAction, t.At(0));
    EXPECT_EQ(t.At(0)->Data.FileName, "C:\\あ\\bg.jpg");
    EXPECT_EQ(t.At(1)->Data.FileName, "cat.znd");
    EXPECT_EQ(t.Reader.LastDataFileName, "cat.znd");

    TReadTarget u;
    ASSERT_EQ(u.Read(Crlf(Header + bg + clearAll)).Result, 0);
    EXPECT_EQ(u.Reader.BGReadState, TBackgroundRead::None);
    u.Reader.BGReadState = TBackgroundRead::Read;
    ASSERT_EQ(u.Read(Crlf(Header)).Result, 0);
    EXPECT_EQ(u.Reader.BGReadState, TBackgroundRead::None);
}

TEST(ActionReader, ASizeChangeWithoutAnEarlierActionHasNothingAfterItsCorners) {
    const std::string file =
        Header + "begin ActionData\n2011 06 14 10 05 33 27\n0\nChange\n7\nSize\nbegin FigData\n12\n"
                 "1 2\n3 4\nend FigData\nend ActionData\n";
    TReadTarget t;
    ASSERT_EQ(t.Read(Crlf(file)).Result, 0);
    EXPECT_EQ(t.At(0)->Data.FigData.End, (TPoint{3, 4}));
    EXPECT_FALSE(t.At(0)->Data.FigData.PointData);
}

TEST(ActionReader, LinesMayEndInALoneLineFeedOrNothingAndHaveAnyLength) {
    // A text keeps as many bytes as a line of the format held, ending in a whole character.
    const std::pair<std::string, std::string> texts[] = {
        {std::string(3000, 'x'), std::string(MaxTextBytes, 'x')},
        {std::string(MaxTextBytes - 1, 'x') + "\x82\xa0", std::string(MaxTextBytes - 1, 'x')},
        {std::string(MaxTextBytes - 2, 'x') + "\x82\xa0",
         std::string(MaxTextBytes - 2, 'x') + "あ"},
    };
    for (const auto& [line, kept] : texts) {
        std::string file = Header + RectBlock(1);
        file.replace(file.find("clBlack\n\n100"), 10, "clBlack\n" + line + "\n");
        file.pop_back(); // the last line without its end
        TReadTarget t;
        ASSERT_EQ(t.Read(file).Result, 0);
        EXPECT_EQ(t.At(0)->Data.FigData.Text, kept);
    }
    const std::string longName(MaxFileNameBytes + 900, 'n');
    TReadTarget named;
    ASSERT_EQ(named
                  .Read(Header + "begin ActionData\n2011 06 14 10 05 33 27\n0\nReadBG\n" +
                        longName + "\nend ActionData\n")
                  .Result,
              0);
    EXPECT_EQ(named.At(0)->Data.FileName, longName.substr(0, MaxFileNameBytes));

    TReadTarget u;
    ASSERT_EQ(u.Read("ZINDA FILE FORMAT 1.0").Result, 0);
    EXPECT_EQ(u.Log.GetCount(), 0);
}

TEST(ActionReader, MoreThanTwoThousandPointsAreDropped) {
    std::string points;
    for (int i = 0; i < 2005; ++i)
        points += std::to_string(i) + " 1\n";
    const std::string file =
        Header +
        "begin ActionData\n2011 06 14 10 05 33 27\n0\nCreate\n1\nbegin FigData\ndtFreeLine\n0\n"
        "1\nclBlack\nclWhite\n12\nclBlack\n\n0 0\n10 10\n1\n0\nbegin PointData\n" +
        points + "end PointData\nend FigData\nend ActionData\n";
    TReadTarget t;
    ASSERT_EQ(t.Read(Crlf(file)).Result, 0);
    EXPECT_EQ(t.At(0)->Data.FigData.PointData->Count, 2000);
    EXPECT_EQ(t.At(0)->Data.FigData.PointData->MaxX, 1999);
}

struct TBadFile {
    const char* Name;
    std::string Text;
    std::vector<std::string> LineMessages; // before the read error
};

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

TEST(ActionReader, EveryFailureIsReportedAndTakesBackAllThatWasRead) {
    const std::string good = Header + RectBlock(1);
    const std::string poly = Replace(Replace(good, "dtRectangle", "dtPolygon"), "end FigData",
                                     "begin PointData\n1 1\nend PointData\nend FigData");
    const std::string stamp = Replace(Replace(good, "dtRectangle", "dtStamp"), "end FigData",
                                      "begin StampData\nbegin FigData\ndtLine\n0\n1\nclRed\n"
                                      "clRed\n1\nclRed\n\n0 0\n1 1\nend FigData\nend "
                                      "StampData\nend FigData");
    const std::string change =
        good + "begin ActionData\n2011 06 14 10 05 33 27\n0\nChange\n1\nBodyColor\nbegin FigData\n"
               "clRed\nend FigData\nend ActionData\n";
    const std::vector<TBadFile> cases = {
        {"begin line", good + "begin ActionDatum\n", {"begin ActionDatum"}},
        {"empty line after the last block", good + "\n", {""}},
        {"end line", Replace(good, "end ActionData", "end FigData"), {"end FigData"}},
        {"kind word", Replace(good, "Create", "Unknown"), {}},
        {"kind word case", Replace(good, "Create", "create"), {}},
        {"parameter word", Replace(change, "BodyColor", "Unknown"), {}},
        {"tool word", Replace(good, "dtRectangle", "dtCircle"), {}},
        {"no tool line", Replace(good, "dtRectangle\n", ""), {}},
        {"begin FigData", Replace(good, "begin FigData", "begin FigDat"), {}},
        {"end FigData", Replace(good, "end FigData\n", ""), {}},
        {"change begin FigData", Replace(change, "BodyColor\nbegin FigData", "BodyColor\nx"), {}},
        {"change end FigData", Replace(change, "clRed\nend FigData", "clRed\nclRed"), {}},
        {"begin PointData", Replace(poly, "begin PointData", "begin Points"), {}},
        {"end of file among points", poly.substr(0, poly.find("end PointData")), {}},
        {"begin StampData", Replace(stamp, "begin StampData", "StampData"), {}},
        {"stamp child begin", Replace(stamp, "StampData\nbegin FigData", "StampData\nFigData"), {}},
        {"bad colour", Replace(good, "clWhite", "white"), {}},
        {"end of file in a figure", good.substr(0, good.find("100 80")), {}},
        {"end of file after the kind", good.substr(0, good.find("Create") + 7), {}},
        {"end of file before the end line", good.substr(0, good.find("end ActionData")), {}},
        {"drawing file read as an animation", Replace(good, "220 160\n1\n0\n", "220 160\n"), {}},
    };
    for (const TBadFile& c : cases) {
        TReadTarget t;
        const TReadResult result = t.Read(Crlf(c.Text));
        EXPECT_EQ(result.Result, 1) << c.Name;
        ASSERT_EQ(result.Messages.size(), c.LineMessages.size() + 1) << c.Name;
        for (std::size_t i = 0; i < c.LineMessages.size(); ++i) {
            EXPECT_EQ(result.Messages[i].Kind, TReadNoteKind::LineText) << c.Name;
            EXPECT_EQ(result.Messages[i].Text, c.LineMessages[i]) << c.Name;
        }
        EXPECT_EQ(result.Messages.back().Kind, TReadNoteKind::ReadError) << c.Name;
        EXPECT_EQ(t.Log.GetCount(), 0) << c.Name;
    }
}

TEST(ActionReader, AnOffendingLineIsShownOnlyAsFarAsAMessageCanHoldIt) {
    // A huge line would stall the message box that shows it.
    const std::string huge(1 << 20, 'z');
    TReadTarget t;
    TReadResult result = t.Read(Crlf(Header + RectBlock(1)) + huge + "\r\n");
    ASSERT_EQ(result.Messages.size(), 2u);
    EXPECT_EQ(result.Messages[0].Text, huge.substr(0, MaxShownLineBytes));

    // Where a block must end, and never splitting a double-byte character.
    const std::string cut = std::string(MaxShownLineBytes - 1, 'y') + "\x82\xa0" + huge;
    TReadTarget u;
    result = u.Read(Crlf(Replace(Header + RectBlock(1), "end ActionData", cut)));
    ASSERT_EQ(result.Messages.size(), 2u);
    EXPECT_EQ(result.Messages[0].Text, cut.substr(0, MaxShownLineBytes - 1));

    // Short lines are shown whole.
    TReadTarget v;
    result = v.Read(Crlf(Header + "\x82\xa0 " + std::string(MaxShownLineBytes - 3, 'w') + "\n"));
    ASSERT_EQ(result.Messages.size(), 2u);
    EXPECT_EQ(result.Messages[0].Text, "あ " + std::string(MaxShownLineBytes - 3, 'w'));
}

TEST(ActionReader, AWrongFirstLineAppendsNothing) {
    for (const std::string& file : {std::string(), std::string("ZINDA FILE FORMAT 1.5\r\n"),
                                    Crlf(std::string("\n").append(RectBlock(1))),
                                    std::string("\xEF\xBB\xBFZINDA FILE FORMAT 1.4\r\n")}) {
        TReadTarget t;
        TActionItem* before = t.Log.AppendEmpty();
        t.ReplayBase = nullptr;
        const TReadResult result = t.Read(file);
        EXPECT_EQ(result.Result, 1);
        ASSERT_EQ(result.Messages.size(), 1u);
        EXPECT_EQ(result.Messages[0].Kind, TReadNoteKind::WrongDataFormat);
        EXPECT_EQ(t.Log.GetTail(), before);
        EXPECT_EQ(t.ReplayBase, nullptr);
    }
}

TEST(ActionReader, AnAnimationFileReadAsADrawingFails) {
    TReadTarget t;
    t.LoadKind = TLoadKind::Drawing;
    EXPECT_EQ(t.Read(FixtureBytes("format_example.mrv")).Result, 1);
}

TEST(ActionReader, StampsNestedBeyondAnyDrawingAreRefused) {
    std::string open, close;
    const std::string figure = "dtStamp\n0\n1\nclBlack\nclWhite\n12\nclBlack\n\n0 0\n1 1\n";
    for (int depth = 0; depth <= MaxStampDepth + 1; ++depth) {
        open += "begin StampData\nbegin FigData\n" + figure;
        close += "end StampData\nend FigData\n";
    }
    const std::string file =
        Header + "begin ActionData\n2011 06 14 10 05 33 27\n0\nCreate\n1\nbegin FigData\n" +
        figure + "1\n0\n" + open + "begin StampData\nend StampData\n" + close +
        "end FigData\nend ActionData\n";
    TReadTarget t;
    const TReadResult result = t.Read(Crlf(file));
    EXPECT_EQ(result.Result, 1);
    EXPECT_EQ(result.Messages.back().Kind, TReadNoteKind::ReadError);
}

} // namespace
} // namespace murva
