// Every figure read from a drawing-process file gets its end copy, so that the list is
// again a start half and an end half in the same order.

#include "anim/animation_files.h"

namespace murva {

void TAnimationFiles::TwinNewFigures(bool wasEmpty, bool markEndCopies) {
    TFigureState& figures = App.S.Figures;
    TFigList& list = figures.FigList;
    const std::int32_t half = figures.FigureIDHalf;
    const std::int32_t n = figures.LastFigureID - 2 * half;
    for (std::int32_t j = 0; j < n; ++j) {
        TFigItem* figure = nullptr;
        if (wasEmpty) {
            figure = list.At(j);
        } else {
            // The first new figure not handled yet: the n-th counted from the tail.
            figure = list.GetTail();
            for (std::int32_t k = 1; k < n && figure; ++k)
                figure = figure->Prev;
            figures.SelectedFig = figure;
            for (std::int32_t k = 0; k < half && figure; ++k) {
                list.MoveBack(figure);
                App.Recorder().RecordAction(akBack);
            }
        }
        if (!figure || figure == list.GetHead()) break;
        TFigItem* copy = list.CopyItem(figure);
        if (markEndCopies) copy->Data.Rotation = 1;
        App.Recorder().RecordFigureAction(akDuplicate, copy);
    }
}

} // namespace murva
