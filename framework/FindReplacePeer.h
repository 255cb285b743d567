// The window of a Find or Replace dialog, one implementation per platform
// library. It shows the controls, keeps Find Next (and Replace, Replace
// All) greyed while the find box is empty, presses Find Next on Enter and
// closes on Escape, and reports each action to its TFindReplaceDialog.
#pragma once

#include "framework/FindReplaceDialog.h"

#include <memory>

class TFindReplacePeer {
public:
    virtual ~TFindReplacePeer() = default;

    virtual bool IsVisible() const = 0;
    virtual TFindReplaceDialog::TControls Controls() const = 0;
    // Hides the window without telling anyone.
    virtual void Hide() = 0;
};

namespace Platform {

// Makes the window, filled from dialog.InitialControls(), and shows it.
std::unique_ptr<TFindReplacePeer> CreateFindReplacePeer(TFindReplaceDialog& dialog);

}  // namespace Platform
