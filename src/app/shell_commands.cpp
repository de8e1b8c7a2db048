// The shell's own commands: clearing everything, and leaving the program, where the
// work is offered for saving first.

#include "app/zinda_form.h"

#include "ui/texts.h"

namespace murva {

void TZindaForm::ClearAllClick() {
    if (host.Ask(texts::ReallyClearAll, texts::ConfirmCaptionKana, TQuestionButtons::YesNo,
                 TAnswer::No) != TAnswer::Yes)
        return;
    if (S.Shell.Mode == TMode::Watch) SelectMakeBtnClick();
    // The reset whitens the thumbnails and repaints; painting them again from the empty
    // list would put the motion tool back to none.
    ResetDocument();
    S.Parts.PartsCount = 0;
    // The empty document is no file's: saving it must ask for a name.
    S.Shell.DataFileName.clear();
    host.ShowMessage(texts::AllCleared);
}

void TZindaForm::ExitMenuClick() {
    S.Doc.CommitHeldChange();
    if (S.Doc.Log().IsEmpty()) LeaveCleanly();
    const bool named = !S.Shell.DataFileName.empty();
    const TAnswer answer = host.Ask(named ? texts::SaveOverBeforeExit : texts::SaveBeforeExit,
                                    texts::ConfirmCaption, TQuestionButtons::YesNoCancel);
    if (answer == TAnswer::Cancel) return;
    // A save that was cancelled or failed keeps the program open with the work.
    if (answer == TAnswer::Yes &&
        !(named ? Files.OverWriteDataMenuClick() : Files.WriteDataMenuClick()))
        return;
    LeaveCleanly();
}

void TZindaForm::LeaveCleanly() {
    Recovery.EndJournal();
    host.ExitProcess(0);
}

void TZindaForm::FormCloseQuery() {
    // The window is never closed by the toolkit: the program ends in the exit procedure.
    ExitMenuClick();
}

} // namespace murva
