#include "anim/work_recovery.h"

#include "files/file_names.h"
#include "ui/texts.h"

#include <utility>

namespace murva {

TRecoveryJournal& TWorkRecovery::Journal() {
    if (!Kept) Kept = std::make_unique<TRecoveryJournal>(Platform.StateFolder());
    return *Kept;
}

bool TWorkRecovery::OfferLeftoverWork(const std::string& named) {
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
    if (!named.empty()) Platform.ShowMessage(BareFileName(named) + texts::NotOpenedYet);
    return true;
}

void TWorkRecovery::KeepJournal() {
    const THistoryList& log = Doc.Log();
    // A size change still held open is unsaved work too.
    const std::optional<TActionItem> held = Doc.HeldChange();
    if (!log.IsEmpty() && (log.Mark() != Shell.SavedLog || held)) {
        // Said once; the journal is tried again quietly every time.
        if (!Journal().Follow(log, Shell.DataFileName, held ? &*held : nullptr) &&
            !std::exchange(ToldUnkept, true))
            Platform.ShowMessage(texts::JournalUnkept);
    } else if (Kept)
        Kept->Remove();
}

void TWorkRecovery::EndJournal() {
    if (Kept) Kept->Remove();
}

} // namespace murva
