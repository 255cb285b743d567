// THugeEditSearch: the editor window the application creates. It adds to
// THugeEdit the Find and Replace commands with their modeless dialogs, Find
// Next (F3), and the search over the rows.
#pragma once

#include "core/HugeEdit.h"
#include "framework/FindReplaceDialog.h"

#include <memory>
#include <string>

class THugeEditSearch : public THugeEdit {
public:
    explicit THugeEditSearch(TWindow* parent = nullptr, const std::string& title = {});
    ~THugeEditSearch() override;

    const char* GetClassName() const override { return "THugeEditSearch"; }

    // Searches from startOffset (-1: from the caret, skipping a selected
    // match) and selects the match; returns its offset or -1.
    TOffset FindText(TOffset startOffset, const std::string& text, bool matchCase, bool wholeWord, bool backward);
    // Carries out one request of the dialogs or of Find Next with the
    // current SearchData: find next, replace, or replace all.
    void DoSearch();

    // The response table: the search commands and the dialogs' notification.
    bool EvCommand(unsigned id) override;
    bool HasCommandHandler(unsigned id) const override;
    bool EvCommandEnable(TCommandEnabler& enabler) override;
    intptr_t WindowProc(unsigned message, uintptr_t wParam, intptr_t lParam) override;

    // The dialogs' record: flags and texts, kept between dialogs.
    TFindReplaceDialog::TData SearchData{FR_DOWN};
    // The last dialog made; it stays after closing until the next replaces it.
    std::unique_ptr<TFindReplaceDialog> SearchDialog;
    // CM_EDITFIND or CM_EDITREPLACE while its dialog is open, else 0.
    unsigned ActiveCommand = 0;

    // The number of the dialogs' notification message, registered once.
    static const unsigned FindReplaceMessage;

protected:
    void CmEditFind();
    void CmEditReplace();
    void CmEditFindNext();
    void CeEditFindReplace(TCommandEnabler& ce) { ce.Enable(ActiveCommand == 0); }
    void CeEditFindNext(TCommandEnabler& ce) { ce.Enable(!SearchData.FindText().empty()); }
    void EvFindMsg(const TFindReplaceRecord* record);
    static const TResponseTable<THugeEditSearch> Responses;

private:
    // Set while DoSearch runs; a request that arrives meanwhile only
    // changes the flags the running one reads.
    bool Searching = false;
    // Points to a flag of the running DoSearch that the destructor raises:
    // the window may be destroyed by a message dispatched inside the loop.
    bool* DestroyedFlag = nullptr;
    friend class TSearchRun;

    void OpenDialog(unsigned command);
    bool AskToContinue(const std::string& text, bool down);
};
