// A search editor on the headless desktop inside an application named
// Vantor (the continue question's caption), with helpers to read the
// selection and to drive the dialogs.
#pragma once

#include "framework/Application.h"
#include "search/HugeEditSearch.h"
#include "tests/support/EditorFixture.h"
#include "view/CommandIds.h"

#include <algorithm>
#include <string>

class TSearchFixture : public TEditorFixture {
protected:
    int Argc = 1;
    char Program[7] = "vantor";
    char* Argv[2] = {Program, nullptr};
    TApplication App{"Vantor", Argc, Argv};

    std::unique_ptr<THugeEdit> NewEditor() override { return std::make_unique<THugeEditSearch>(); }
    THugeEditSearch& Search() const { return static_cast<THugeEditSearch&>(*Edit); }

    TOffset CaretOffset() const { return Edit->OffsetOf(Edit->CaretRow, Edit->CaretCol); }

    // The selected text, or "(none)".
    std::string Selected() const
    {
        if (!Edit->HasSelection)
            return "(none)";
        TPos from = Caret(), to = Anchor();
        if (to.Row < from.Row || (to.Row == from.Row && to.Col < from.Col))
            std::swap(from, to);
        std::string text;
        for (TRowIndex r = from.Row; r <= to.Row; ++r) {
            const std::string_view row = Edit->Lines[r].View();
            const size_t begin = r == from.Row ? size_t(from.Col) : 0;
            text.append(row.substr(begin, r == to.Row ? size_t(to.Col) - begin : std::string_view::npos));
        }
        return text;
    }

    void Select(TOffset caret, TOffset anchor)
    {
        if (anchor < 0)
            Edit->SetCaretOffset(caret);
        else
            Edit->SetSelectionOffsets(caret, anchor);
    }

    // Opens the dialog of the command and returns its headless window.
    THeadlessFindReplace& OpenDialog(unsigned command)
    {
        Edit->EvCommand(command);
        THeadlessFindReplace* dialog = Desktop.FindReplace();
        if (!dialog)
            throw std::logic_error("no dialog");
        return *dialog;
    }

    const std::vector<THeadlessMessageBox>& Questions() { return Desktop.Dialogs().MessageBoxes(); }
};
