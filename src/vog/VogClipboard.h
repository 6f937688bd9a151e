#pragma once

#include "vog/core/DotModel.h"

#include <QString>

// Selections between controls and processes through the system clipboard, in the
// one format "VogData".
namespace vog::clipboard {

// The MIME type Qt maps to the registered clipboard format "VogData".
QString mimeType();

// Floats a marked selection and offers its dots; false without a selection.
bool copy(DotModel &model);
// Takes "VogData" from the clipboard as a new floating selection; false, with
// nothing changed, when there is none or it is unreadable or out of range.
bool paste(DotModel &model);

} // namespace vog::clipboard
