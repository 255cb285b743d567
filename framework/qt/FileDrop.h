// Files dropped on a window that accepts them (WS_EX_ACCEPTFILES) arrive
// as WM_DROPFILES with the local files in the order of the drop.
#pragma once

#include "framework/qt/InputTarget.h"

class QMimeData;
class QWidget;

namespace FileDrop {

// True when a drag carries at least one local file.
bool CarriesFiles(const QMimeData* data);

// Lets widget take drops of local files for target (the widget itself).
void AcceptFiles(QWidget& widget, const InputTarget& target);

}  // namespace FileDrop
