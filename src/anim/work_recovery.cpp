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
    switch (Platform.Ask(texts::RecoverWork, texts::ConfirmCaptionKana,
                         TQuestionButtons::YesNoOrClose)) {
    case TAnswer::Yes:
        break;
    case TAnswer::No:
        if (Platform.Ask(texts::ReallyDropWork, texts::ConfirmCaptionKana, TQuestionButtons::YesNo,
                         TAnswer::No) == TAnswer::Yes)
            left->SetAside();
        return false;
    case TAnswer::Cancel:
        return false; // asked again at the next start
    }
    const bool workBack = BringBack(*left);
    if (workBack && !named.empty()) Platform.ShowMessage(texts::NotOpenedYet, BareFileName(named));
    return workBack;
}

void TWorkRecovery::OpenSetAsideWorkClick() {
    if (!Doc.Log().IsEmpty() && Platform.Ask(texts::ReallyLoadData, texts::ConfirmCaptionKana,
                                             TQuestionButtons::YesNo) != TAnswer::Yes)
        return;
    std::optional<TLeftoverJournal> left =
        FindLeftoverJournal(SetAsideFolder(Platform.StateFolder()));
    if (left) BringBack(*left);
}

bool TWorkRecovery::SetAsideWorkThere() const {
    const std::string folder = Platform.StateFolder();
    return !folder.empty() && HoldsWork(SetAsideFolder(folder));
}

bool TWorkRecovery::BringBack(TLeftoverJournal& left) {
    const bool workBack = !left.Body.empty();
    if (workBack) Files.OpenRecoveredWork(left.Body, left.FileName);
    if (!left.Drawing.empty()) Drawing.Resume(left.Drawing);
    // The work is in this program's journal before the old one goes.
    KeepJournal();
    if ((!workBack || Journal().Exists()) && (left.Drawing.empty() || Journal().HasDrawing()))
        left.Remove();
    return workBack;
}

void TWorkRecovery::KeepJournal() {
    const THistoryList& log = Doc.Log();
    // A size change still held open is unsaved work too.
    const std::optional<TActionItem> held = Doc.HeldChange();
    bool kept = true;
    if (!log.IsEmpty() && (log.Mark() != Shell.SavedLog || held))
        kept = Journal().Follow(log, Shell.DataFileName, held ? &*held : nullptr);
    else if (Kept)
        Kept->Remove();
    const std::string drawing = Drawing.WorkInProgress();
    if (!drawing.empty() || Kept) kept = Journal().FollowDrawing(drawing) && kept;
    // Said once; the journal is tried again quietly every time.
    if (!kept && !std::exchange(ToldUnkept, true)) Platform.ShowMessage(texts::JournalUnkept);
}

void TWorkRecovery::EndJournal() {
    if (!Kept) return;
    Kept->Remove();
    Kept->FollowDrawing({});
}

} // namespace murva
