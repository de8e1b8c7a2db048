#include "files/action_writer.h"

#include "files/cp932.h"
#include "files/file_names.h"
#include "files/text_format.h"

#include <algorithm>
#include <charconv>

namespace murva {

namespace {

class TWriter {
public:
    std::string Out;
    // The folder of the file written, that ReadData names are given from; empty: as they are.
    std::string Folder;

    void Line(std::string_view text) {
        Out.append(text);
        Out.append("\r\n");
    }
    void Int(std::int32_t value) {
        AppendInt(value);
        Out.append("\r\n");
    }
    void Point(TPoint p) {
        AppendInt(p.x);
        Out.push_back(' ');
        AppendInt(p.y);
        Out.append("\r\n");
    }
    void Color(TColor color) { Line(ColorToText(color)); }
    // A line end inside a text would end its line early and break the file, so it is
    // written as a space.
    void Text(const std::string& text) {
        std::string bytes = Utf8ToCp932(text);
        std::replace(bytes.begin(), bytes.end(), '\n', ' ');
        Line(bytes);
    }

    void Action(const TActionItem& item, const TFirstActionIndex& first);
    // animationLines: the cut and path lines an animation's figures carry; stamp children
    // and a drawing's figures carry none.
    void Figure(const TFigData& f, bool animationLines);

private:
    void AppendInt(std::int32_t value) {
        char digits[16];
        auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        Out.append(digits, static_cast<std::size_t>(end - digits));
    }
    void Points(const TPointData* points, std::int32_t count) {
        if (!points) return;
        count = std::clamp(count, 0, points->Capacity());
        for (std::int32_t i = 0; i < count; ++i)
            Point(points->At(i));
    }
    void PointBlock(const TPointData* points) {
        Line("begin PointData");
        Points(points, points ? points->Count : 0);
        Line("end PointData");
    }
    void StampBlock(const TFigList* children) {
        Line("begin StampData");
        if (children)
            for (const TFigItem* child = children->GetFirst(); child; child = child->Next)
                Figure(child->Data, false);
        Line("end StampData");
    }
    void ChangeBlock(const TActionData& data, const TFirstActionIndex& first);
};

void TWriter::Figure(const TFigData& f, bool animationLines) {
    Line("begin FigData");
    if (std::string_view tool = ToolWord(f.DrawingTool); !tool.empty()) Line(tool);
    Int(f.EndCopyMark);
    Int(f.PenWidth);
    Color(f.PenColor);
    Color(f.BrushColor);
    Int(f.TextSize);
    Color(f.TextColor);
    Text(f.Text);
    Point(f.Start);
    Point(f.End);
    if (animationLines) {
        Int(f.CutNumber);
        Int(f.Free);
    }
    if (IsPointFigure(f.DrawingTool)) PointBlock(f.PointData.get());
    if (animationLines && f.Free == 1) {
        Line("begin FreeMoveData");
        Points(f.FreeMoveData.get(), f.FreeMoveCount);
        Line("end FreeMoveData");
    }
    if (f.DrawingTool == TDrawingTool::Stamp) StampBlock(f.StampData.get());
    Line("end FigData");
}

void TWriter::ChangeBlock(const TActionData& data, const TFirstActionIndex& first) {
    const TFigData& f = data.FigData;
    Line("begin FigData");
    switch (data.Parameter) {
    case TChangeParameter::Size: {
        Int(f.TextSize);
        Point(f.Start);
        Point(f.End);
        const TActionItem* creator = first.Find(data.TargetID);
        const TDrawingTool tool = creator ? SizeChangeTool(creator->Data) : TDrawingTool::None;
        if (IsPointFigure(tool))
            PointBlock(f.PointData.get());
        else if (tool == TDrawingTool::Stamp)
            StampBlock(f.StampData.get());
        break;
    }
    case TChangeParameter::BodyColor:
        Color(f.BrushColor);
        break;
    case TChangeParameter::LineWidth:
        Int(f.PenWidth);
        break;
    case TChangeParameter::LineColor:
        Color(f.PenColor);
        break;
    case TChangeParameter::Text:
        Point(f.Start);
        Point(f.End);
        Text(f.Text);
        break;
    case TChangeParameter::TextColor:
        Color(f.TextColor);
        break;
    default:
        break;
    }
    Line("end FigData");
}

void TWriter::Action(const TActionItem& item, const TFirstActionIndex& first) {
    const TActionData& data = item.Data;
    Line("begin ActionData");
    Line(ActionTimeText(data.ActionTime));
    Int(data.MarkInformation);
    Line(ActionKindWord(data.TargetType));
    if (HasTargetID(data.TargetType)) Int(data.TargetID);
    if (data.TargetType == TActionKind::Change) Line(ParameterWord(data.Parameter));
    if (data.TargetType == TActionKind::ReadData && !Folder.empty())
        Text(NameFrom(Folder, data.FileName));
    else if (HasFileName(data.TargetType))
        Text(data.FileName);
    if (HasFigure(data.TargetType))
        Figure(data.FigData, true);
    else if (data.TargetType == TActionKind::Change)
        ChangeBlock(data, first);
    Line("end ActionData");
}

} // namespace

void TActionBlockWriter::Write(const TActionItem& action, std::string& out) {
    First.Note(&action);
    TWriter writer;
    writer.Out = std::move(out);
    writer.Action(action, First);
    out = std::move(writer.Out);
}

std::string TActionBlockWriter::Block(const TActionItem& action) const {
    TWriter writer;
    writer.Action(action, First);
    return std::move(writer.Out);
}

std::string WriteDrawingFile(const std::vector<TFigData>& figures, const TActionTime& stamp) {
    TWriter writer;
    writer.Line(CurrentFormatLine);
    // Numbered from 2, as the drawing program numbers its figures.
    std::int32_t id = 1;
    for (const TFigData& figure : figures) {
        writer.Line("begin ActionData");
        writer.Line(ActionTimeText(stamp));
        writer.Int(0);
        writer.Line(ActionKindWord(TActionKind::Create));
        writer.Int(++id);
        writer.Figure(figure, false);
        writer.Line("end ActionData");
    }
    return std::move(writer.Out);
}

std::string WriteActionFile(const THistoryList& log, const std::string& folder) {
    TWriter writer;
    writer.Folder = folder;
    writer.Line(CurrentFormatLine);
    TFirstActionIndex first;
    for (const TActionItem* item = log.GetFirst(); item; item = item->Next) {
        first.Note(item);
        writer.Action(*item, first);
    }
    return std::move(writer.Out);
}

} // namespace murva
