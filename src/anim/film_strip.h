#pragma once
// The film strip of cuts below the drawing field: choosing a cut, scrolling, the counter,
// and the three cut commands (insert, delete, carry over into the next cut). A cut is
// the figures whose CutNumber is its number.

#include "ui/painter.h"

namespace murva {

// The keys the counter box tells apart.
enum class TKey { Enter, Escape, Other };

class TFilmStrip {
public:
    TFilmStrip(TDocument& doc, TShellState& shell, TCutState& cuts, TWindowControls& controls,
               Host& host, TPainter& painter)
        : Doc(doc), Shell(shell), Cuts(cuts), C(controls), Platform(host), Painter(painter) {}

    // A click on thumbnail 1..5; 0 when no thumbnail was clicked (carrying over), so
    // that only a pending thumbnail is chosen.
    void CutImageClick(int thumb);
    // "＜" and "＞".
    void CutCountDownBtnClick();
    void CutCountUpBtnClick();
    // A key typed into the counter, which never changes the current cut.
    void InputEditKeyPress(TKey key);

    // Insert an empty cut at the current one, delete the current cut, carry its end
    // state over as the start of the next cut.
    void CutMakeClick();
    void CutDeleteClick();
    void CutCarryOverClick();

private:
    // Refused, with a message, when there is no figure at all.
    bool HasFigures(const char* message);
    // Records the figure as it is, in cut `cut`.
    void MoveToCut(TFigItem* item, std::int32_t cut);
    // Shows cut `cut` as thumbnail `thumb` of the strip, scrolling it there.
    void ScrollTo(std::int32_t cut, int thumb);

    TDocument& Doc;
    TShellState& Shell;
    TCutState& Cuts;
    TWindowControls& C;
    Host& Platform;
    TPainter& Painter;
};

} // namespace murva
