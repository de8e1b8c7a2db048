#pragma once
// The picker of ready materials: a tab per kind, a big button per picture, painted by the
// renderer, with its name; one click chooses it. "ほかの ファイル" asks for the file dialog.

#include "ui/material_choice.h"

#include <QDialog>

namespace murva::qt {

class MaterialPicker final : public QDialog {
public:
    // Every picture painted, in the names of the words spoken now.
    MaterialPicker(QWidget* parent, const std::vector<TLibraryKind>& library);
    // What was chosen once the picker closed.
    const TMaterialChoice& Choice() const { return choice; }

private:
    TMaterialChoice choice;
};

// Shown over `parent` until a choice or its closing.
TMaterialChoice PickMaterial(QWidget* parent, const std::vector<TLibraryKind>& library);

} // namespace murva::qt
