#pragma once
// The figures of a form as text, with everything a file keeps: two pictures compare
// equal exactly when their texts do.

#include "app/zinda_form.h"

#include <sstream>
#include <string>

namespace murva::test {

// Everything of a figure that a file keeps, stamp children included (a file keeps no
// cut and no path for a child).
inline void Describe(std::ostringstream& out, const TFigList& list, bool children = false) {
    for (auto* item = list.GetFirst(); item; item = item->Next) {
        const TFigData& f = item->Data;
        out << int(f.DrawingTool) << " " << f.Start.x << "," << f.Start.y << " " << f.End.x << ","
            << f.End.y << " pen " << f.PenWidth << "/" << f.PenColor << " brush " << f.BrushColor
            << " text " << f.TextSize << "/" << f.TextColor << "/" << f.Text;
        if (!children) out << " cut " << f.CutNumber << " free " << f.Free;
        if (f.PointData)
            for (std::int32_t i = 0; i < f.PointData->Count; ++i)
                out << " " << f.PointData->At(i).x << "," << f.PointData->At(i).y;
        if (f.Free == 1 && f.FreeMoveData) {
            out << "/" << f.FreeMoveCount;
            for (std::int32_t i = 0; i < f.FreeMoveCount; ++i)
                out << " path " << f.FreeMoveData->At(i).x << "," << f.FreeMoveData->At(i).y;
        }
        if (f.StampData) {
            out << " {";
            Describe(out, *f.StampData, true);
            out << "}";
        }
        out << "\n";
    }
}

// Figures drawn on a drawing board, as the children of a stamp.
inline std::string Figures(const std::vector<TFigData>& figures) {
    TFigList list;
    for (const TFigData& f : figures)
        list.Add(f);
    std::ostringstream out;
    Describe(out, list, true);
    return out.str();
}

inline std::string Figures(const TZindaForm& form) {
    std::ostringstream out;
    out << "pairs " << form.S.Doc.PairCount() << "\n";
    out << "background " << form.S.Shell.ShownBGName << "\n";
    Describe(out, form.S.Doc.FigList());
    // What "ふっかつ" would bring back.
    out << "deleted\n";
    Describe(out, form.S.Doc.DeletedFigList());
    return out.str();
}

} // namespace murva::test
