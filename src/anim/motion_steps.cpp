#include "anim/motion_steps.h"

#include "model/fig_list.h"
#include "model/stamp_scaling.h"

#include <array>

namespace murva {

namespace {

std::array<double, 3> Channels(TColor c) {
    return {double(RedOf(c)), double(GreenOf(c)), double(BlueOf(c))};
}

bool HasParts(const TFigData& figure) {
    return figure.DrawingTool == TDrawingTool::Stamp && figure.StampData &&
           !figure.StampData->IsEmpty();
}

// What each part of the start copy owes to become its part of the end copy, pen and brush.
// A stamp of one part whose part kept its colours follows the stamp's own colours, as a
// file that changed only those means it to.
std::vector<std::array<double, 6>> PartDeltas(const TFigData& s, const TFigData& e,
                                              const TMotion& m) {
    std::vector<std::array<double, 6>> deltas;
    if (!HasParts(s) || !HasParts(e)) return deltas;
    for (const TFigItem *a = s.StampData->GetFirst(), *b = e.StampData->GetFirst(); a && b;
         a = a->Next, b = b->Next) {
        const std::array<double, 3> sPen = Channels(a->Data.PenColor),
                                    ePen = Channels(b->Data.PenColor);
        const std::array<double, 3> sBrush = Channels(a->Data.BrushColor),
                                    eBrush = Channels(b->Data.BrushColor);
        std::array<double, 6> d{};
        for (int k = 0; k < 3; ++k) {
            d[k] = ePen[k] - sPen[k];
            d[3 + k] = eBrush[k] - sBrush[k];
        }
        deltas.push_back(d);
    }
    if (deltas.size() == 1 && !s.StampData->GetFirst()->Next &&
        deltas[0] == std::array<double, 6>{})
        for (int k = 0; k < 3; ++k) {
            deltas[0][k] = m.PenColorDelta[k];
            deltas[0][3 + k] = m.BrushColorDelta[k];
        }
    return deltas;
}

// One unit up or down on channel k (0 red, 1 green, 2 blue). Red changes within its
// byte; green and blue rebuild the value from its channels, dropping the top byte.
void StepChannel(TColor& colour, int k, double& accum) {
    int delta = 0;
    if (accum > 1.0) {
        delta = 1;
        accum -= 1.0;
    } else if (accum < -1.0) {
        delta = -1;
        accum += 1.0;
    }
    if (delta == 0) return;
    if (k == 0) {
        colour = (colour & ~TColor(0xFF)) | TColor(std::uint8_t(RedOf(colour) + delta));
        return;
    }
    std::uint8_t r = RedOf(colour), g = GreenOf(colour), b = BlueOf(colour);
    (k == 1 ? g : b) = std::uint8_t((k == 1 ? g : b) + delta);
    colour = RGBColor(r, g, b);
}

// One pixel per side at most: returns whether the box changed on the axis.
bool StepSize(TFigData& f, TAxis axis, double& accum) {
    int grow = 0;
    if (accum > 1.0) {
        grow = -1; // wider than the end copy: it narrows
        while (accum > 1.0)
            accum -= 1.0;
    } else if (accum < -1.0) {
        grow = 1;
        while (accum < -1.0)
            accum += 1.0;
    }
    if (grow == 0) return false;
    OnAxis(f.Start, axis) -= grow;
    OnAxis(f.End, axis) += grow;
    return true;
}

// The points in the box as it is now, where they were in the box at the set-up.
void StretchPoints(TFigData& f, TAxis axis, const TFigData& before) {
    if (!f.PointData || !before.PointData) return;
    const double from = OnAxis(before.Start, axis);
    const double extent = OnAxis(before.End, axis) - from;
    const double now = OnAxis(f.End, axis) - OnAxis(f.Start, axis);
    const double scale = extent == 0 ? 1.0 : now / extent;
    const std::int32_t n = std::min(f.PointData->Count, before.PointData->Count);
    for (std::int32_t i = 0; i < n; ++i)
        OnAxis(f.PointData->At(i), axis) =
            OnAxis(f.Start, axis) +
            Truncated((OnAxis(before.PointData->At(i), axis) - from) * scale);
}

} // namespace

TMotion SetUpMotion(const TFigData& s, const TFigData& e) {
    TMotion m;
    m.Before = m.Figure = s;
    DeepCopyOwnedParts(m.Before);
    DeepCopyOwnedParts(m.Figure);
    // The moving copy keeps the box as stored, which the copied points' bounds need not be.
    m.Figure.Start = s.Start;
    m.Figure.End = s.End;
    m.CentreShift = {((s.Start.x + s.End.x) - (e.Start.x + e.End.x)) / 2,
                     ((s.Start.y + s.End.y) - (e.Start.y + e.End.y)) / 2};
    const TPoint endHalf{(e.End.x - e.Start.x) / 2, (e.End.y - e.Start.y) / 2};
    m.SizeShift = {(s.End.x - s.Start.x) / 2 - endHalf.x, (s.End.y - s.Start.y) / 2 - endHalf.y};
    m.Toward = {m.CentreShift.x < 0 ? 1 : -1, m.CentreShift.y > 0 ? 1 : -1};
    const std::array<double, 3> sPen = Channels(s.PenColor), ePen = Channels(e.PenColor);
    const std::array<double, 3> sBrush = Channels(s.BrushColor), eBrush = Channels(e.BrushColor);
    for (int k = 0; k < 3; ++k) {
        m.PenColorDelta[k] = ePen[k] - sPen[k];
        m.BrushColorDelta[k] = eBrush[k] - sBrush[k];
    }
    m.PartDelta = PartDeltas(s, e, m);
    m.PartAccum.assign(m.PartDelta.size(), {});
    if (e.Free == 1) {
        m.Figure.FreeMoveData = e.FreeMoveData;
        m.Figure.FreeMoveCount = e.FreeMoveCount;
        m.Figure.Free = 1;
    }
    return m;
}

void StepMotion(TMotion& m, std::int32_t n, TStepKind kind) {
    TFigData& s = m.Figure;
    const double steps = n;
    m.Width += m.SizeShift.x / steps;
    m.Height += m.SizeShift.y / steps;
    for (int k = 0; k < 3; ++k) {
        m.PenColorAccum[k] += m.PenColorDelta[k] / steps;
        m.BrushColorAccum[k] += m.BrushColorDelta[k] / steps;
    }

    const bool run = kind == TStepKind::Run;
    for (const auto& [axis, owed] :
         {std::pair{TAxis::Horizontal, &m.Width}, std::pair{TAxis::Vertical, &m.Height}}) {
        if (!StepSize(s, axis, *owed) || !run) continue;
        // In a run the figure's parts follow its box.
        if (IsPointFigure(s.DrawingTool)) StretchPoints(s, axis, m.Before);
        if (s.DrawingTool == TDrawingTool::Stamp && m.StampBase)
            ScaleStampChildren(axis, *m.StampBase, s);
    }

    // A stamp in a run shows its colours through its parts, each its own way.
    if (run && HasParts(s) && !m.PartDelta.empty()) {
        TFigItem* part = s.StampData->GetFirst();
        for (std::size_t i = 0; part && i < m.PartDelta.size(); ++i, part = part->Next)
            for (int k = 0; k < 3; ++k) {
                m.PartAccum[i][k] += m.PartDelta[i][k] / steps;
                m.PartAccum[i][3 + k] += m.PartDelta[i][3 + k] / steps;
                StepChannel(part->Data.PenColor, k, m.PartAccum[i][k]);
                StepChannel(part->Data.BrushColor, k, m.PartAccum[i][3 + k]);
            }
    } else {
        for (int k = 0; k < 3; ++k) {
            StepChannel(s.PenColor, k, m.PenColorAccum[k]);
            StepChannel(s.BrushColor, k, m.BrushColorAccum[k]);
        }
    }

    if (s.Free != 1 || !s.FreeMoveData) {
        const int sx = m.Toward.x, sy = m.Toward.y;
        // Whole pixels of the step, moved at once: a figure of many points far from its
        // end copy costs one move per step, not one per pixel.
        const auto wholePixels = [](double& accum) {
            std::int32_t n = 0;
            for (; accum > 1.0; accum -= 1.0)
                ++n;
            return n;
        };
        m.MoveX += m.CentreShift.x / steps * -sx;
        m.MoveY += m.CentreShift.y / steps * sy;
        const std::int32_t dx = wholePixels(m.MoveX), dy = wholePixels(m.MoveY);
        if (dx != 0 || dy != 0) s.Offset(sx * dx, -sy * dy);
        return;
    }
    // Along the path: its points spread evenly over the steps.
    const TPointData& path = *s.FreeMoveData;
    m.PathPoints += s.FreeMoveCount;
    while (m.PathPoints > steps) {
        const auto k = static_cast<std::int32_t>(m.PathIndex);
        if (k + 1 < s.FreeMoveCount && k + 1 < path.Count)
            s.Offset(path.At(k + 1).x - path.At(k).x, path.At(k + 1).y - path.At(k).y);
        m.PathPoints -= steps;
        m.PathIndex = k + 1;
    }
}

} // namespace murva
