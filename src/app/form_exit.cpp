// Leaving the program: the work is offered for saving first.

#include "app/zinda_form.h"

#include "ui/texts.h"

namespace murva {

void TZindaForm::ExitMenuClick() {
    Services.CommitPendingChange();
    if (S.History.ActionLog.IsEmpty()) host.ExitProcess(0);
    const bool named = !S.Shell.DataFileName.empty();
    const TAnswer answer = host.Ask(named ? texts::SaveOverBeforeExit : texts::SaveBeforeExit,
                                    texts::ConfirmCaption, TQuestionButtons::YesNoCancel);
    if (answer == TAnswer::Cancel) return;
    if (answer == TAnswer::Yes) {
        // Whatever the save does (saved, cancelled, failed), the program ends.
        if (named)
            OverWriteDataMenuClick();
        else
            WriteDataMenuClick();
    }
    host.ExitProcess(0);
}

void TZindaForm::FormCloseQuery() {
    // The window is never closed by the toolkit: the program ends in the exit procedure.
    ExitMenuClick();
}

} // namespace murva
