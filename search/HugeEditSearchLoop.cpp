// DoSearch: one request of the Find and Replace dialogs or of Find Next,
// searched (and replaced) pass after pass with the waiting messages
// dispatched before each pass, so the window repaints and the dialog
// answers during a long Replace All.
#include "search/HugeEditSearch.h"

#include "framework/Application.h"
#include "framework/Dialogs.h"
#include "framework/Platform.h"

#include <algorithm>
#include <optional>

// Marks a running DoSearch on its window, whose updates wait meanwhile: a
// Replace All that scrolled and painted at every match would spend its time
// painting. When the window is destroyed by a message dispatched inside the
// loop, Destroyed is raised and nothing of the window is touched again.
class TSearchRun {
public:
    explicit TSearchRun(THugeEditSearch& edit) : Edit(edit)
    {
        Edit.Searching = true;
        Edit.DestroyedFlag = &Destroyed;
        Edit.DeferUpdates(true);
    }
    ~TSearchRun()
    {
        if (Destroyed)
            return;
        Edit.Searching = false;
        Edit.DestroyedFlag = nullptr;
        Edit.DeferUpdates(false);
        Edit.UpdateWindow();
    }
    TSearchRun(const TSearchRun&) = delete;
    TSearchRun& operator=(const TSearchRun&) = delete;

    bool Destroyed = false;

private:
    THugeEditSearch& Edit;
};

namespace {

// Where a pass left the caret and the selection, by offset: a rewrap in
// between moves neither.
struct TSelectionMark {
    bool Selected;
    TOffset Caret;
    TOffset Anchor;
    friend bool operator==(const TSelectionMark&, const TSelectionMark&) = default;
};

TSelectionMark MarkOf(const THugeEdit& edit)
{
    const TOffset caret = edit.OffsetOf(edit.CaretRow, edit.CaretCol);
    return {edit.HasSelection, caret, edit.HasSelection ? edit.OffsetOf(edit.AnchorRow, edit.AnchorCol) : caret};
}

TOffset SelectionStart(const THugeEdit& edit)
{
    return std::min(edit.OffsetOf(edit.CaretRow, edit.CaretCol), edit.OffsetOf(edit.AnchorRow, edit.AnchorCol));
}

void PumpWaitingMessages(TApplication* app)
{
    if (app)
        app->PumpWaitingMessages();
    else
        Platform::PumpWaitingMessages();
}

}  // namespace

void THugeEditSearch::DoSearch()
{
    if (Searching)
        return;
    TSearchRun run(*this);
    std::optional<TSelectionMark> left;
    for (;;) {
        PumpWaitingMessages(GetApplication());
        if (run.Destroyed)
            return;
        const uint32_t flags = SearchData.Flags;
        const std::string text(SearchData.FindText());
        const bool down = flags & FR_DOWN;
        const bool replacing = flags & (FR_REPLACE | FR_REPLACEALL);
        // When the user moved the caret or changed the text during the
        // loop, what is selected now is not a match to replace.
        if (text.empty() || (replacing && left && *left != MarkOf(*this)))
            return;
        TOffset start = -1;
        bool nothingBefore = false;
        if (replacing && HasSelection) {
            const TOffset at = SelectionStart(*this);
            InsertText(std::string(SearchData.ReplaceText()));
            // A refused replacement (the document is full) keeps its
            // selection: going on would refuse every match left.
            if (HasSelection)
                return;
            // Searching up, the search goes on before the inserted text, as
            // from a selected match: a replacement that holds the find text
            // is not found again and again.
            if (!down) {
                start = at - 1;
                nothingBefore = at == 0;
            }
        }
        const bool matchCase = flags & FR_MATCHCASE, wholeWord = flags & FR_WHOLEWORD;
        const TOffset found = nothingBefore ? -1 : FindText(start, text, matchCase, wholeWord, !down);
        if (found < 0) {
            if (!(flags & (FR_FINDNEXT | FR_REPLACE)))
                return;
            const bool again = AskToContinue(text, down);
            if (run.Destroyed || !again)
                return;
            SetCaretOffset(down ? 0 : EndOfDocument);
        } else if (!(flags & FR_REPLACEALL)) {
            return;
        }
        left = MarkOf(*this);
    }
}

bool THugeEditSearch::AskToContinue(const std::string& text, bool down)
{
    const TApplication* app = GetApplication();
    const std::string question = "String \"" + text + "\" not found.  Continue search at " +
                                 (down ? "beginning" : "end") + " of document?";
    return MessageBox(nullptr, question, app ? app->GetName() : std::string(),
                      MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) == IDYES;
}
