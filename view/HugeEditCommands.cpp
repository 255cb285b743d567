// The editor's response table: undo, redo, delete and the clipboard
// commands (view/HugeEditClipboard.cpp).
#include "core/HugeEdit.h"

#include "view/CommandIds.h"

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
