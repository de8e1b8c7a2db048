#pragma once
// The drawing window without its toolkit: a white canvas the size of the field on which
// a child draws a new material with shape tools and the palette. It keeps the figures
// drawn, the one being drawn, and its own picture, painted as the field paints figures.

#include "model/canvas.h"
#include "model/fig_data.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace murva {

// The tools of the drawing window, in the order of their buttons.
enum class TBoardTool { Line, Rectangle, Ellipse, Polyline, Polygon, FreeLine, Text, Select };

class TDrawingBoard {
public:
    static constexpr std::int32_t Width = 640, Height = 480;
    // The three line widths and the text sizes offered.
    static constexpr std::array<std::int32_t, 3> PenWidths{1, 4, 8};
    static constexpr std::array<std::int32_t, 3> TextSizes{16, 28, 48};

    explicit TDrawingBoard(Graphics& graphics);

    TBoardTool Tool = TBoardTool::FreeLine;
    TColor PenColor = clBlack;
    // NoFillColor: no fill.
    TColor BrushColor = NoFillColor;
    std::int32_t PenWidth = PenWidths[1];
    std::int32_t TextSize = TextSizes[1];
    // "ばらばらにする": the figures go into the bin each on its own, not as one stamp.
    bool Separate = false;

    // The figures drawn, oldest first.
    const std::vector<TFigData>& Figures() const { return Drawn; }
    bool IsEmpty() const { return Drawn.empty(); }
    // Back to an empty canvas with the tools as they were.
    void Clear();
    // "ひとつけす": the last figure drawn goes.
    void RemoveLast();
    // The figures drawn, with the one being drawn as it would end now.
    std::vector<TFigData> WorkInProgress() const;
    // An empty canvas holding `figures`, as if they had been drawn on it.
    void Restore(std::vector<TFigData> figures);

    // The mouse on the canvas, in canvas coordinates. A press with the text tool asks for
    // a text there (TextWanted); a polyline or polygon takes a point per press and ends
    // with a double click.
    void Press(TPoint p);
    void Move(TPoint p);
    void Release(TPoint p);
    void DoubleClick(TPoint p);
    // Where a text is being typed; nothing when none is.
    std::optional<TPoint> TextWanted() const { return TextAt; }
    // The text typed (Enter) becomes a figure at TextWanted(), cut to the length a line
    // of the format holds; an empty one, or CancelText, makes none.
    void EnterText(const std::string& utf8);
    void CancelText() { TextAt.reset(); }

    // The canvas as it is now: white, every figure as the field paints it, the figure
    // being drawn, and the frame of the figure that "えらぶ" holds; painted at the scale
    // set, in device pixels per canvas pixel.
    const Bitmap& Picture();
    void SetScale(double scale);

    // The drawing as material figures: one stamp whose children are the figures drawn,
    // or, with Separate, the figures themselves.
    std::vector<TFigData> Material() const;

private:
    TFigData NewFigure(TDrawingTool kind, TPoint p) const;
    // The figure being drawn as it would end now: nothing when it is no more than a click.
    std::optional<TFigData> Ended() const;
    // Ends the figure being drawn: kept when it is more than a click.
    void Finish();
    std::vector<TFigData> Drawn;
    // The figure being drawn, while the mouse draws it.
    std::optional<TFigData> Drawing;
    // The points of the free line, polyline or polygon being drawn.
    std::vector<TPoint> Stroke;
    std::optional<TPoint> TextAt;
    // "えらぶ": the figure held and where the pointer last was.
    std::optional<std::size_t> Held;
    TPoint LastPointer;
    std::unique_ptr<Bitmap> Canvas_;
    double Scale = 1;
};

} // namespace murva
