#pragma once
// Nothing is lost: unsaved work follows the log into the recovery journal, and the drawing
// window's work in progress goes beside it; a clean exit leaves neither, and a start after
// a crash offers back what they hold.

#include "anim/animation_files.h"
#include "anim/material_drawing.h"
#include "files/recovery_journal.h"

#include <memory>

namespace murva {

class TWorkRecovery {
public:
    TWorkRecovery(TDocument& doc, TShellState& shell, Host& host, TAnimationFiles& files,
                  TMaterialDrawing& drawing)
        : Doc(doc), Shell(shell), Platform(host), Files(files), Drawing(drawing) {}

    // At start-up: offers the work a program left in its journal. Yes brings it back, with
    // a drawing in progress onto the drawing window's canvas; No, once the child agrees to
    // let it go, sets it aside; closing the question leaves it to be offered at the next
    // start. Whether the animation came back; then the file `named` to open (empty: none)
    // is said not to be open yet, so the child can save and open it.
    bool OfferLeftoverWork(const std::string& named = {});
    // "まえの つづきを ひらく": the newest work set aside comes back in place of the work,
    // as Yes brings it back at start-up.
    void OpenSetAsideWorkClick();
    // Whether some work set aside can be opened.
    bool SetAsideWorkThere() const;
    // Puts the work into the journal when it is unsaved, and removes the journal when
    // nothing is; the same for a drawing in progress. The window calls it about once a
    // second.
    void KeepJournal();
    // A clean exit: the work was saved or given up, and no journal is left.
    void EndJournal();

private:
    TRecoveryJournal& Journal();
    // The work comes back, and the files it came from go once this program keeps it.
    // Whether the animation came back.
    bool BringBack(TLeftoverJournal& left);

    TDocument& Doc;
    TShellState& Shell;
    Host& Platform;
    TAnimationFiles& Files;
    TMaterialDrawing& Drawing;
    std::unique_ptr<TRecoveryJournal> Kept;
    // Whether the child was told that the journal cannot be kept: once a run.
    bool ToldUnkept = false;
};

} // namespace murva
