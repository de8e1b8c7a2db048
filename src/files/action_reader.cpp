#include "files/action_reader.h"

#include "files/cp932.h"
#include "files/load_kind.h"
#include "files/text_format.h"
#include "model/cut_ranges.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <istream>
#include <memory>
#include <optional>

namespace murva {

namespace {

// The whole stream; nothing when it cannot be read, as a folder opened as a file cannot.
std::optional<std::string> ReadAll(std::istream& file) {
    std::string bytes;
    std::streambuf* buffer = file.rdbuf();
    if (!buffer) return bytes;
    char chunk[1 << 16];
    try {
        for (;;) {
            const std::streamsize n = buffer->sgetn(chunk, sizeof chunk);
            if (n <= 0) break;
            bytes.append(chunk, static_cast<std::size_t>(n));
        }
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return bytes;
}

// Lines end in CR LF or a lone LF; the end is dropped. A last line without one is
// still a line.
class TLineReader {
public:
    explicit TLineReader(std::string_view bytes) : Bytes(bytes) {}
    bool Next(std::string_view& line) {
        if (Pos >= Bytes.size()) return false;
        const char* start = Bytes.data() + Pos;
        const void* found = std::memchr(start, '\n', Bytes.size() - Pos);
        std::size_t length;
        if (found) {
            length = static_cast<std::size_t>(static_cast<const char*>(found) - start);
            Pos += length + 1;
            if (length > 0 && start[length - 1] == '\r') --length;
        } else {
            length = Bytes.size() - Pos;
            Pos = Bytes.size();
        }
        line = std::string_view(start, length);
        return true;
    }

private:
    std::string_view Bytes;
    std::size_t Pos = 0;
};

// The start of a line of at most `limit` bytes, never splitting a double-byte character.
std::string_view Cp932Prefix(std::string_view line, std::size_t limit) {
    std::size_t end = 0;
    while (end < line.size()) {
        const auto c = static_cast<unsigned char>(line[end]);
        const std::size_t width = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC) ? 2 : 1;
        if (end + width > limit) break;
        end += width;
    }
    return line.substr(0, end);
}

// The start of a line for a message.
std::string ShownLine(std::string_view line) {
    return Cp932ToUtf8(Cp932Prefix(line, MaxShownLineBytes));
}

// Coordinates and sizes are kept within a million either way as they are read. The field
// is 640 x 480, so no real figure comes near, and every later sum or difference of two
// such numbers (a stamp child and its stamp, a move, a resize) stays far within 32 bits.
constexpr std::int32_t MaxMagnitude = 1'000'000;

std::int32_t Bounded(std::int32_t value) {
    return std::clamp(value, -MaxMagnitude, MaxMagnitude);
}

TPoint Bounded(TPoint p) {
    return {Bounded(p.x), Bounded(p.y)};
}

enum class TBlock { Read, EndOfFile, Failed };

class TReader {
public:
    TReader(std::string_view bytes, TReadContext& context) : Lines(bytes), Context(context) {}
    TReadResult Run();

private:
    bool Next() { return Lines.Next(Line); }
    bool NextIs(std::string_view expected) { return Next() && Line == expected; }
    bool NextInt(std::int32_t& value) {
        if (!Next()) return false;
        value = ScanInt(Line).value_or(0);
        return true;
    }
    bool NextPoint(TPoint& value) {
        if (!Next()) return false;
        value = Bounded(ScanPoint(Line));
        return true;
    }
    // A size, a width or a cut number.
    bool NextBounded(std::int32_t& value) {
        if (!NextInt(value)) return false;
        value = Bounded(value);
        return true;
    }
    bool NextColor(TColor& value) {
        if (!Next()) return false;
        std::optional<TColor> color = ColorFromText(Line);
        if (!color) return false;
        value = *color;
        return true;
    }
    bool NextText(std::string& value, std::size_t limit) {
        if (!Next()) return false;
        const std::string_view kept = Cp932Prefix(Line, limit);
        Result.TextCut |= kept.size() < Line.size();
        value = Cp932ToUtf8(kept);
        return true;
    }
    void Note(TReadNoteKind kind, std::string text = {}) {
        Result.Messages.push_back({kind, std::move(text)});
    }

    TBlock Action();
    bool Figure(TFigData& f, TLoadKind loadKind, bool child, int depth);
    bool Points(const char* endLine, TPointData& points);
    bool StampBlock(TFigList& children, TLoadKind loadKind, int depth);
    bool ChangeBlock(TActionData& data);

    TLineReader Lines;
    TReadContext& Context;
    std::string_view Line;
    bool Marked = false;
    // What the ids and the Branch steps of this file are moved by in the log.
    std::int64_t IdShift = 0, StepShift = 0;
    TFirstActionIndex First;
    TReadResult Result;
};

TReadResult TReader::Run() {
    Context.Reader.BGReadState = TBackgroundRead::None;
    if (!Next()) Line = {};
    Context.Reader.FormatVersionLine = Cp932ToUtf8(Line);
    if (!IsKnownFormatLine(Line)) {
        Note(TReadNoteKind::WrongDataFormat);
        Result.Result = 1;
        return std::move(Result);
    }
    Marked = Line == MarkedFormatLine;
    THistoryList& log = Context.ActionLog;
    StepShift = log.GetCount();
    // Ids move at least as far as steps: a figure of the file then meets a Branch's step
    // only where the file itself has them meet.
    IdShift = std::max<std::int64_t>(std::int64_t(2) * Context.PairCount, StepShift);
    if (!log.IsEmpty()) IdShift = std::max<std::int64_t>(IdShift, log.HighestTargetID());
    Result.Base = log.GetTail();
    for (const TActionItem* item = log.GetFirst(); item; item = item->Next)
        First.Note(item);
    for (;;) {
        const TBlock block = Action();
        if (block == TBlock::EndOfFile) break;
        if (block == TBlock::Failed) {
            Note(TReadNoteKind::ReadError);
            Result.Result = 1;
            // Nothing of a file that breaks stays: a half-read action would be saved as
            // a block that no reader takes, and the saved file could not be opened again.
            if (Result.BackgroundAction) {
                Result.BackgroundAction = nullptr;
                Context.Reader.BGReadState = TBackgroundRead::None;
            }
            log.TruncateAfter(Result.Base);
            break;
        }
    }
    return std::move(Result);
}

TBlock TReader::Action() {
    if (!Next()) return TBlock::EndOfFile;
    if (Line != "begin ActionData") {
        Note(TReadNoteKind::LineText, ShownLine(Line));
        return TBlock::Failed;
    }
    TActionItem* item = Context.ActionLog.AppendEmpty();
    TActionData& d = item->Data;
    if (!Next()) return TBlock::Failed;
    d.ActionTime = ActionTimeFromText(Line);
    if (Marked && !NextInt(d.MarkInformation)) return TBlock::Failed;

    if (!Next()) return TBlock::Failed;
    const std::optional<TActionKind> kind = ActionKindFromWord(Line);
    if (!kind) return TBlock::Failed;
    d.TargetType = *kind;
    if (d.TargetType == TActionKind::ReadBG) {
        Context.Reader.BGReadState = TBackgroundRead::Read;
        Result.BackgroundAction = item;
    } else if (d.TargetType == TActionKind::ClearBG || d.TargetType == TActionKind::ClearAll) {
        Context.Reader.BGReadState = TBackgroundRead::None;
    }

    if (HasTargetID(d.TargetType)) {
        std::int32_t id = 0;
        if (!NextInt(id)) return TBlock::Failed;
        // A Branch counts steps, which follow the actions already in the log; an id
        // names a figure, and keeps clear of every id already in the log. Wraps like the
        // 32-bit sum it is, never overflows.
        const bool branch = d.TargetType == TActionKind::Branch;
        d.TargetID = static_cast<std::int32_t>(std::int64_t(id) + (branch ? StepShift : IdShift));
        Result.LastFigureID = std::max(Result.LastFigureID, d.TargetID);
        Context.ActionLog.NoteTargetID(d.TargetID);
    }
    First.Note(item);

    if (d.TargetType == TActionKind::Change) {
        if (!Next()) return TBlock::Failed;
        const std::optional<TChangeParameter> parameter = ParameterFromWord(Line);
        if (!parameter) return TBlock::Failed;
        d.Parameter = *parameter;
    }
    if (HasFileName(d.TargetType)) {
        // Kept in the action itself, so a background named by a file survives the load.
        if (!NextText(d.FileName, MaxFileNameBytes)) return TBlock::Failed;
        Context.Reader.LastDataFileName = d.FileName;
    }
    if (HasFigure(d.TargetType)) {
        if (!NextIs("begin FigData")) return TBlock::Failed;
        if (!Figure(d.FigData, Context.LoadKind, false, 0)) return TBlock::Failed;
    } else if (d.TargetType == TActionKind::Change) {
        if (!ChangeBlock(d)) return TBlock::Failed;
    }

    if (!Next()) return TBlock::Failed;
    if (Line != "end ActionData") {
        Note(TReadNoteKind::LineText, ShownLine(Line));
        return TBlock::Failed;
    }
    return TBlock::Read;
}

// The lines after "begin FigData" up to and including "end FigData".
bool TReader::Figure(TFigData& f, TLoadKind loadKind, bool child, int depth) {
    if (!Next()) return false;
    const std::optional<TDrawingTool> tool = ToolFromWord(Line);
    if (!tool) return false;
    f.DrawingTool = *tool;
    if (Marked && !NextInt(f.EndCopyMark)) return false;
    if (!NextBounded(f.PenWidth) || !NextColor(f.PenColor) || !NextColor(f.BrushColor) ||
        !NextBounded(f.TextSize) || !NextColor(f.TextColor) || !NextText(f.Text, MaxTextBytes) ||
        !NextPoint(f.Start) || !NextPoint(f.End))
        return false;

    if (loadKind == TLoadKind::Animation) {
        if (!NextBounded(f.CutNumber) || !NextInt(f.Free)) return false;
    } else if (loadKind == TLoadKind::Drawing) {
        f.CutNumber = FirstPartsSlot + Context.PartsCount;
        f.Free = 0;
    }

    if (IsPointFigure(f.DrawingTool)) {
        f.PointData = std::make_shared<TPointData>(0);
        if (!NextIs("begin PointData") || !Points("end PointData", *f.PointData)) return false;
    }
    if (!child && f.Free == 1) {
        f.FreeMoveData = std::make_shared<TPointData>(0);
        if (!Next()) return false;
        // Any other line is passed over and the path stays empty.
        if (Line == "begin FreeMoveData") {
            if (!Points("end FreeMoveData", *f.FreeMoveData)) return false;
            f.FreeMoveCount = f.FreeMoveData->Count;
        }
    }
    if (f.DrawingTool == TDrawingTool::Stamp) {
        f.StampData = std::make_shared<TFigList>();
        const TLoadKind childKind =
            loadKind == TLoadKind::Animation ? TLoadKind::StampChildren : loadKind;
        if (!StampBlock(*f.StampData, childKind, depth + 1)) return false;
    }
    return NextIs("end FigData");
}

bool TReader::Points(const char* endLine, TPointData& points) {
    for (;;) {
        if (!Next()) return false;
        if (Line == endLine) return true;
        const TPoint p = Bounded(ScanPoint(Line));
        points.AddTracked(p.x, p.y); // beyond the limit a point is dropped
    }
}

bool TReader::StampBlock(TFigList& children, TLoadKind loadKind, int depth) {
    if (depth > MaxStampDepth) return false;
    if (!NextIs("begin StampData")) return false;
    for (;;) {
        if (!Next()) return false;
        if (Line == "end StampData") return true;
        if (Line != "begin FigData") return false;
        if (!Figure(children.AddEmpty()->Data, loadKind, true, depth)) return false;
    }
}

bool TReader::ChangeBlock(TActionData& d) {
    TFigData& f = d.FigData;
    if (!NextIs("begin FigData")) return false;
    switch (d.Parameter) {
    case TChangeParameter::Size: {
        if (!NextBounded(f.TextSize) || !NextPoint(f.Start) || !NextPoint(f.End)) return false;
        // This item is noted already, so one is always found.
        const TActionItem* creator = First.Find(d.TargetID);
        const TDrawingTool tool = creator ? SizeChangeTool(creator->Data) : TDrawingTool::None;
        if (IsPointFigure(tool)) {
            f.PointData = std::make_shared<TPointData>(0);
            if (!NextIs("begin PointData") || !Points("end PointData", *f.PointData)) return false;
        } else if (tool == TDrawingTool::Stamp) {
            f.StampData = std::make_shared<TFigList>();
            const TLoadKind childKind = Context.LoadKind == TLoadKind::Animation
                                            ? TLoadKind::StampChildren
                                            : Context.LoadKind;
            if (!StampBlock(*f.StampData, childKind, 1)) return false;
        }
        break;
    }
    case TChangeParameter::BodyColor:
        if (!NextColor(f.BrushColor)) return false;
        break;
    case TChangeParameter::LineWidth:
        if (!NextBounded(f.PenWidth)) return false;
        break;
    case TChangeParameter::LineColor:
        if (!NextColor(f.PenColor)) return false;
        break;
    case TChangeParameter::Text:
        if (!NextPoint(f.Start) || !NextPoint(f.End) || !NextText(f.Text, MaxTextBytes))
            return false;
        break;
    case TChangeParameter::TextColor:
        if (!NextColor(f.TextColor)) return false;
        break;
    default:
        break;
    }
    return NextIs("end FigData");
}

} // namespace

TReadResult ReadActionText(std::string_view bytes, TReadContext& context) {
    return TReader(bytes, context).Run();
}

TReadResult ReadActionFile(std::istream& file, TReadContext& context) {
    const std::optional<std::string> bytes = ReadAll(file);
    if (bytes) return ReadActionText(*bytes, context);
    TReadResult unread;
    unread.Result = 1;
    unread.Base = context.ActionLog.GetTail();
    unread.Messages.push_back({TReadNoteKind::Unreadable, {}});
    return unread;
}

} // namespace murva
