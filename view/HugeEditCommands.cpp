// The editor's own commands: undo, redo and delete (the clipboard commands
// join them with the clipboard).
#include "core/HugeEdit.h"

#include "view/CommandIds.h"
#include "core/TextWriter.h"
#include "framework/Clipboard.h"

const TResponseTable<THugeEdit> THugeEdit::Responses{
    {CM_EDITUNDO, &THugeEdit::CmEditUndo, &THugeEdit::CeEditUndo},
    {CM_EDITREDO, &THugeEdit::CmEditRedo, &THugeEdit::CeEditRedo},
    {CM_EDITCUT, &THugeEdit::CmEditCut, &THugeEdit::CeSelection},
    {CM_EDITCOPY, &THugeEdit::CmEditCopy, &THugeEdit::CeSelection},
    {CM_EDITPASTE, &THugeEdit::CmEditPaste, &THugeEdit::CeEditPaste},
    {CM_EDITDELETE, &THugeEdit::CmEditDelete, nullptr},
};

bool THugeEdit::EvCommand(unsigned id) { return Responses.Run(*this, id) || TWindow::EvCommand(id); }

bool THugeEdit::HasCommandHandler(unsigned id) const { return Responses.Has(id) || TWindow::HasCommandHandler(id); }

bool THugeEdit::EvCommandEnable(TCommandEnabler& enabler)
{
    return Responses.Enable(*this, enabler) || TWindow::EvCommandEnable(enabler);
}

void THugeEdit::CeEditPaste(TCommandEnabler& ce) { ce.Enable(ClipboardHasText()); }

// The selection with every line end as CR LF; soft row ends add nothing, so
// a wrapped paragraph comes out as one line.
void THugeEdit::Copy()
{
    if (!HasSelection)
        return;
    TRowIndex r1 = AnchorRow, c1 = AnchorCol, r2 = CaretRow, c2 = CaretCol;
    if (r2 < r1 || (r1 == r2 && c2 < c1))
        std::swap(r1, r2), std::swap(c1, c2);
    SetClipboardText(WithCrLf(SelectedText(r1, c1, r2, c2)));
}

void THugeEdit::Paste()
{
    if (ClipboardHasText())
        InsertText(GetClipboardText());
}

void THugeEdit::Cut()
{
    Copy();
    DeleteSelection();
}
