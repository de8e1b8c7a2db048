#include "anim/work_recovery.h"

#include "ui/texts.h"

namespace murva {

TRecoveryJournal& TWorkRecovery::Journal() {
    if (!Kept) Kept = std::make_unique<TRecoveryJournal>(Platform.StateFolder());
    return *Kept;
}

bool TWorkRecovery::OfferLeftoverWork() {
    std::optional<TLeftoverJournal> left = FindLeftoverJournal(Platform.StateFolder());
    if (!left) return false;
    if (Platform.Ask(texts::RecoverWork, texts::ConfirmCaptionKana, TQuestionButtons::YesNo) !=
        TAnswer::Yes) {
        left->SetAside();
        return false;
    }
    Files.OpenRecoveredWork(left->Body, left->FileName);
    // The work is in this program's journal before the old one goes.
    KeepJournal();
    if (Journal().Exists()) left->Remove();
    return true;
}

void TWorkRecovery::KeepJournal() {
    const THistoryList& log = Doc.Log();
    // A size change still held open is unsaved work too.
    const std::optional<TActionItem> held = Doc.HeldChange();
    if (!log.IsEmpty() && (log.Mark() != Shell.SavedLog || held))
        Journal().Follow(log, Shell.DataFileName, held ? &*held : nullptr);
    else if (Kept)
        Kept->Remove();
}

void TWorkRecovery::EndJournal() {
    if (Kept) Kept->Remove();
}

} // namespace murva
