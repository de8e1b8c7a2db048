#include "edit/drawing_board.h"

#include "files/action_reader.h"
#include "files/cp932.h"
#include "model/draw_figure.h"
#include "model/fig_list.h"
#include "ui/renderer.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace murva {

namespace {

TDrawingTool KindOf(TBoardTool tool) {
    switch (tool) {
    case TBoardTool::Line:
        return TDrawingTool::Line;
    case TBoardTool::Rectangle:
        return TDrawingTool::Rectangle;
    case TBoardTool::Ellipse:
        return TDrawingTool::Ellipse;
    case TBoardTool::Polyline:
        return TDrawingTool::Polyline;
    case TBoardTool::Polygon:
        return TDrawingTool::Polygon;
    case TBoardTool::FreeLine:
        return TDrawingTool::FreeLine;
    case TBoardTool::Text:
        return TDrawingTool::Text;
    case TBoardTool::Select:
        break;
    }
    return TDrawingTool::None;
}

TPoint OnCanvas(TPoint p) {
    return {std::clamp(p.x, 0, TDrawingBoard::Width - 1),
            std::clamp(p.y, 0, TDrawingBoard::Height - 1)};
}

// The longest start of the text whose CP932 bytes a line of the format holds.
std::string FittingText(const std::string& utf8) {
    std::string kept;
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t length = 1;
        while (i + length < utf8.size() &&
               (static_cast<unsigned char>(utf8[i + length]) & 0xC0) == 0x80)
            ++length;
        const std::string character = utf8.substr(i, length);
        bytes += Utf8ToCp932(character).size();
        if (bytes > MaxTextBytes) break;
        kept += character;
        i += length;
    }
    return kept;
}

// A point list of at most the points a list holds: a longer stroke keeps points spread
// evenly over it, its first and last among them.
TPointDataRef Thinned(const std::vector<TPoint>& stroke) {
    auto points = std::make_shared<TPointData>();
    const std::size_t count = stroke.size(), limit = TPointData::MaxPoints;
    const std::size_t kept = std::min(count, limit);
    for (std::size_t k = 0; k < kept; ++k) {
        const std::size_t i = kept == 1 ? 0 : k * (count - 1) / (kept - 1);
        points->AddTracked(stroke[i].x, stroke[i].y);
    }
    return points;
}

} // namespace

TDrawingBoard::TDrawingBoard(Graphics& graphics) : Canvas_(graphics.CreateBitmap(Width, Height)) {}

void TDrawingBoard::Clear() {
    Drawn.clear();
    Drawing.reset();
    TextAt.reset();
    Held.reset();
    Stroke.clear();
}

void TDrawingBoard::RemoveLast() {
    if (Drawing) {
        Drawing.reset();
        Stroke.clear();
        return;
    }
    if (!Drawn.empty()) Drawn.pop_back();
    Held.reset();
}

TFigData TDrawingBoard::NewFigure(TDrawingTool kind, TPoint p) const {
    TFigData f;
    f.DrawingTool = kind;
    f.PenWidth = PenWidth;
    f.PenColor = PenColor;
    f.BrushColor = kind == TDrawingTool::Line || kind == TDrawingTool::FreeLine ||
                           kind == TDrawingTool::Polyline
                       ? NoFillColor
                       : BrushColor;
    f.TextSize = TextSize;
    f.TextColor = PenColor;
    f.Start = f.End = p;
    return f;
}

void TDrawingBoard::Press(TPoint p) {
    p = OnCanvas(p);
    TextAt.reset();
    if (Tool == TBoardTool::Select) {
        Held.reset();
        for (std::size_t i = Drawn.size(); i-- > 0;) {
            const TFigData& f = Drawn[i];
            if (HitsBox(f.Start, f.End, p)) {
                Held = i;
                break;
            }
        }
        LastPointer = p;
        return;
    }
    if (Tool == TBoardTool::Text) {
        TextAt = p;
        return;
    }
    const bool pointByPoint = Tool == TBoardTool::Polyline || Tool == TBoardTool::Polygon;
    if (pointByPoint && Drawing) {
        Stroke.push_back(p);
        return;
    }
    Drawing = NewFigure(KindOf(Tool), p);
    Stroke = {p};
    if (pointByPoint) Stroke.push_back(p); // the point that follows the pointer
}

void TDrawingBoard::Move(TPoint p) {
    p = OnCanvas(p);
    if (Tool == TBoardTool::Select) {
        if (!Held) return;
        Drawn[*Held].Offset(p.x - LastPointer.x, p.y - LastPointer.y);
        LastPointer = p;
        return;
    }
    if (!Drawing) return;
    if (Tool == TBoardTool::FreeLine)
        Stroke.push_back(p);
    else if (Tool == TBoardTool::Polyline || Tool == TBoardTool::Polygon)
        Stroke.back() = p;
    else
        Drawing->End = p;
}

void TDrawingBoard::Release(TPoint p) {
    Move(p);
    if (Tool == TBoardTool::Select) {
        Held.reset();
        return;
    }
    // A polyline or polygon goes on until the double click.
    if (Drawing && Tool != TBoardTool::Polyline && Tool != TBoardTool::Polygon) Finish();
}

void TDrawingBoard::DoubleClick(TPoint p) {
    if (!Drawing || (Tool != TBoardTool::Polyline && Tool != TBoardTool::Polygon)) return;
    Move(p);
    // The double click's own presses added the last point again.
    while (Stroke.size() > 2 && Stroke[Stroke.size() - 1] == Stroke[Stroke.size() - 2])
        Stroke.pop_back();
    Finish();
}

std::optional<TFigData> TDrawingBoard::Ended() const {
    if (!Drawing) return std::nullopt;
    TFigData f = *Drawing;
    if (IsPointFigure(f.DrawingTool)) {
        std::vector<TPoint> points = Stroke;
        points.erase(std::unique(points.begin(), points.end()), points.end());
        if (points.size() < 2) return std::nullopt;
        f.PointData = Thinned(points);
        f.BoundsToStartEnd();
    } else if (f.Start == f.End) {
        return std::nullopt;
    }
    return f;
}

void TDrawingBoard::Finish() {
    std::optional<TFigData> ended = Ended();
    Drawing.reset();
    Stroke.clear();
    if (ended) Drawn.push_back(std::move(*ended));
}

std::vector<TFigData> TDrawingBoard::WorkInProgress() const {
    std::vector<TFigData> figures = Drawn;
    if (std::optional<TFigData> ended = Ended()) figures.push_back(std::move(*ended));
    return figures;
}

void TDrawingBoard::Restore(std::vector<TFigData> figures) {
    Clear();
    Drawn = std::move(figures);
}

void TDrawingBoard::EnterText(const std::string& utf8) {
    if (!TextAt) return;
    const TPoint at = *TextAt;
    TextAt.reset();
    std::string text = FittingText(utf8);
    if (text.empty()) return;
    TFigData f = NewFigure(TDrawingTool::Text, at);
    f.Text = std::move(text);
    // The end is where the text, written once, ends, as a resized text has it.
    Canvas& canvas = Canvas_->GetCanvas();
    canvas.Font.Size = f.TextSize;
    f.End = {canvas.TextOut(at.x, at.y, f.Text), at.y + f.TextSize * 6 / 5};
    Drawn.push_back(std::move(f));
}

void TDrawingBoard::SetScale(double scale) {
    if (scale <= 0 || scale == Scale) return;
    Scale = scale;
    Canvas_->SetSize(static_cast<std::int32_t>(std::lround(Width * scale)),
                     static_cast<std::int32_t>(std::lround(Height * scale)));
}

const Bitmap& TDrawingBoard::Picture() {
    Canvas& canvas = Canvas_->GetCanvas();
    canvas.Brush = TBrush{clWhite, TBrushStyle::Solid};
    canvas.FillRect({0, 0, Canvas_->Width(), Canvas_->Height()});
    const TGhostRule none;
    const auto draw = [&](const TFigData& f) {
        DrawFigure(canvas, TPenMode::Copy, 0, 0, Scale == 1 ? f : Scaled(f, Scale), none);
    };
    for (const TFigData& f : Drawn)
        draw(f);
    if (Drawing) {
        TFigData shown = *Drawing;
        if (IsPointFigure(shown.DrawingTool)) {
            shown.PointData =
                std::make_shared<TPointData>(static_cast<std::int32_t>(Stroke.size()));
            for (TPoint p : Stroke)
                shown.PointData->AddTracked(p.x, p.y);
        }
        draw(shown);
    }
    if (Held) {
        const TFigData f = Scaled(Drawn[*Held], Scale);
        const auto margin = static_cast<std::int32_t>(std::lround(3 * Scale));
        canvas.Pen = TPen{1, clBlack, TPenStyle::Dot, TPenMode::NotXor};
        canvas.Brush.Style = TBrushStyle::Clear;
        canvas.Rectangle(
            {std::min(f.Start.x, f.End.x) - margin, std::min(f.Start.y, f.End.y) - margin,
             std::max(f.Start.x, f.End.x) + margin + 1, std::max(f.Start.y, f.End.y) + margin + 1});
    }
    return *Canvas_;
}

std::vector<TFigData> TDrawingBoard::Material() const {
    if (Separate || Drawn.empty()) return Drawn;
    // One stamp over the box of every figure; its children lie relative to its corner.
    TPoint low{Width, Height}, high{0, 0};
    for (const TFigData& f : Drawn) {
        low = {std::min({low.x, f.Start.x, f.End.x}), std::min({low.y, f.Start.y, f.End.y})};
        high = {std::max({high.x, f.Start.x, f.End.x}), std::max({high.y, f.Start.y, f.End.y})};
    }
    TFigData stamp = NewFigure(TDrawingTool::Stamp, low);
    stamp.PenWidth = 1;
    stamp.PenColor = clBlack;
    stamp.BrushColor = NoFillColor;
    stamp.End = high;
    stamp.StampData = std::make_shared<TFigList>();
    for (TFigData child : Drawn) {
        DeepCopyOwnedParts(child);
        child.Offset(-low.x, -low.y);
        child.FitBoxToPoints();
        stamp.StampData->Add(child);
    }
    return {std::move(stamp)};
}

} // namespace murva
