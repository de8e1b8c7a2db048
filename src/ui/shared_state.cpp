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

} // namespace murva
