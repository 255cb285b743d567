// The editor's own commands: undo, redo and delete (the clipboard commands
// join them with the clipboard).
#include "core/HugeEdit.h"

#include "app/CommandIds.h"

const TResponseTable<THugeEdit> THugeEdit::Responses{
    {CM_EDITUNDO, &THugeEdit::CmEditUndo, &THugeEdit::CeEditUndo},
    {CM_EDITREDO, &THugeEdit::CmEditRedo, &THugeEdit::CeEditRedo},
    {CM_EDITDELETE, &THugeEdit::CmEditDelete, nullptr},
};

bool THugeEdit::EvCommand(unsigned id) { return Responses.Run(*this, id) || TWindow::EvCommand(id); }

bool THugeEdit::HasCommandHandler(unsigned id) const { return Responses.Has(id) || TWindow::HasCommandHandler(id); }

bool THugeEdit::EvCommandEnable(TCommandEnabler& enabler)
{
    return Responses.Enable(*this, enabler) || TWindow::EvCommandEnable(enabler);
}

void THugeEdit::CeEditPaste(TCommandEnabler& ce) { ce.Enable(false); }

void THugeEdit::Copy() {}

void THugeEdit::Paste() {}

void THugeEdit::Cut()
{
    Copy();
    DeleteSelection();
}
