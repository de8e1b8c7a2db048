#include "ui/shared_state.h"

#include "files/file_names.h"

namespace murva {

TFileDialog TShellState::Dialog(const char* filter) const {
    TFileDialog dialog;
    dialog.Filter = filter;
    if (!DataFileName.empty()) {
        const std::string folder = FolderOf(DataFileName);
        dialog.Folder = folder.empty() ? std::string(".") : folder;
    }
    return dialog;
}

TFileDialog TShellState::ExportDialog(const char* filter, const char* extension) const {
    TFileDialog dialog = Dialog(filter);
    dialog.DefaultExt = extension;
    if (!DataFileName.empty())
        dialog.InitialName =
            ReplaceExtension(BareFileName(DataFileName), std::string(".") + extension);
    return dialog;
}

} // namespace murva
