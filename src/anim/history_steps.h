#pragma once
// "もどす" and "やりなおす": the picture one user command back or forward, recorded in the
// log as a Branch, with the counters and the background that go with it.

#include "anim/anim_state.h"
#include "anim/pictures.h"
#include "ui/painter.h"

namespace murva {

class THistorySteps {
public:
    THistorySteps(TDocument& doc, TShellState& shell, TCutState& cuts, TPartsState& parts,
                  TPictures& pictures, TPainter& painter)
        : Doc(doc), Shell(shell), Cuts(cuts), Parts(parts), Pictures(pictures), Painter(painter) {}

    void UndoBtnClick() { Step(false); }
    void RedoBtnClick() { Step(true); }
    // Whether the buttons may be used now: something to go to, and not while watching.
    bool MayUndo() const { return Shell.Mode != TMode::Watch && Doc.CanUndo(); }
    bool MayRedo() const { return Shell.Mode != TMode::Watch && Doc.CanRedo(); }

private:
    void Step(bool forward);

    TDocument& Doc;
    TShellState& Shell;
    TCutState& Cuts;
    TPartsState& Parts;
    TPictures& Pictures;
    TPainter& Painter;
};

} // namespace murva
