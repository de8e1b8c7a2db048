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

TFileDialog TShellState::SaveDialog(const char* filter, const char* extension, Host& host) const {
    TFileDialog dialog = Dialog(filter);
    dialog.DefaultExt = extension;
    const std::string name =
        DataFileName.empty() ? host.InWords(texts::UntitledAnimation) : BareFileName(DataFileName);
    dialog.InitialName = ReplaceExtension(name, std::string(".") + extension);
    return dialog;
}

} // namespace murva
