#pragma once
// The picker of ready materials: a tab per kind, a big button per picture, painted by the
// renderer, with its name; one click chooses it. "ほかの ファイル" asks for the file dialog.

#include "ui/material_choice.h"

#include <QWidget>

namespace murva::qt {

// Shown over `parent` until a choice or its closing.
TMaterialChoice PickMaterial(QWidget* parent, const std::vector<TLibraryKind>& library);

} // namespace murva::qt
