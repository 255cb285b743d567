// The search commands, their enablers and the dialogs' notification.
#include "search/HugeEditSearch.h"

#include "view/CommandIds.h"

const unsigned THugeEditSearch::FindReplaceMessage = TFindReplaceDialog::NotifyMessage();

const TResponseTable<THugeEditSearch> THugeEditSearch::Responses{
    {CM_EDITFIND, &THugeEditSearch::CmEditFind, &THugeEditSearch::CeEditFindReplace},
    {CM_EDITREPLACE, &THugeEditSearch::CmEditReplace, &THugeEditSearch::CeEditFindReplace},
    {CM_EDITFINDNEXT, &THugeEditSearch::CmEditFindNext, &THugeEditSearch::CeEditFindNext},
};

bool THugeEditSearch::EvCommand(unsigned id) { return Responses.Run(*this, id) || THugeEdit::EvCommand(id); }

bool THugeEditSearch::HasCommandHandler(unsigned id) const
{
    return Responses.Has(id) || THugeEdit::HasCommandHandler(id);
}

bool THugeEditSearch::EvCommandEnable(TCommandEnabler& enabler)
{
    return Responses.Enable(*this, enabler) || THugeEdit::EvCommandEnable(enabler);
}

intptr_t THugeEditSearch::WindowProc(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    if (message != FindReplaceMessage)
        return THugeEdit::WindowProc(message, wParam, lParam);
    EvFindMsg(reinterpret_cast<const TFindReplaceRecord*>(lParam));
    return 0;
}

void THugeEditSearch::CmEditFind() { OpenDialog(CM_EDITFIND); }

void THugeEditSearch::CmEditReplace() { OpenDialog(CM_EDITREPLACE); }

void THugeEditSearch::OpenDialog(unsigned command)
{
    if (ActiveCommand != 0)
        return;
    ActiveCommand = command;
    SearchDialog.reset();
    if (command == CM_EDITFIND)
        SearchDialog = std::make_unique<TFindDialog>(this, SearchData);
    else
        SearchDialog = std::make_unique<TReplaceDialog>(this, SearchData);
    SearchDialog->Create();
}

// After Replace or Replace All pressed in a dialog, Find Next repeats that
// action: only the find-next bit is added to the dialog's last flags.
void THugeEditSearch::CmEditFindNext()
{
    if (SearchDialog)
        SearchDialog->UpdateData();
    SearchData.Flags |= FR_FINDNEXT;
    DoSearch();
}

void THugeEditSearch::EvFindMsg(const TFindReplaceRecord* record)
{
    if (!record)
        return;
    if (SearchDialog)
        SearchDialog->UpdateData(record);
    else
        SearchData.Flags = record->Flags;
    if (SearchData.Flags & FR_DIALOGTERM)
        ActiveCommand = 0;
    else
        DoSearch();
}
