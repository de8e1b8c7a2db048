// The shell's own commands: clearing everything, and leaving the program, where the
// work is offered for saving first.

#include "app/zinda_form.h"

#include "ui/texts.h"

namespace murva {

void TZindaForm::ClearAllClick() {
    if (S.Shell.Mode == TMode::Watch) SelectMakeBtnClick();
    // The reset whitens the thumbnails and repaints; painting them again from the empty
    // list would drop the motion tool whose button stays down.
    ResetDocument();
    S.Parts.PartsCount = 0;
    host.ShowMessage(texts::AllCleared);
}

void TZindaForm::ExitMenuClick() {
    S.Doc.CommitHeldChange();
    if (S.Doc.History.ActionLog.IsEmpty()) host.ExitProcess(0);
    const bool named = !S.Shell.DataFileName.empty();
    const TAnswer answer = host.Ask(named ? texts::SaveOverBeforeExit : texts::SaveBeforeExit,
                                    texts::ConfirmCaption, TQuestionButtons::YesNoCancel);
    if (answer == TAnswer::Cancel) return;
    // A save that was cancelled or failed keeps the program open with the work.
    if (answer == TAnswer::Yes &&
        !(named ? Files.OverWriteDataMenuClick() : Files.WriteDataMenuClick()))
        return;
    host.ExitProcess(0);
}

void TZindaForm::FormCloseQuery() {
    // The window is never closed by the toolkit: the program ends in the exit procedure.
    ExitMenuClick();
}

} // namespace murva
