// Files dropped on a window that accepts them (WS_EX_ACCEPTFILES) arrive
// as WM_DROPFILES with the local files in the order of the drop.
#pragma once

#include "framework/qt/InputTarget.h"

class QMimeData;
class QDropEvent;

namespace FileDrop {

// True when the drag carries at least one local file.
bool CarriesFiles(const QMimeData* data);
void Deliver(const InputTarget& target, const QDropEvent& event);

}  // namespace FileDrop
