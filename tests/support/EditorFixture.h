// An editor window on the headless desktop, sized in text cells, with
// helpers to load text, read the rows back and press keys.
#pragma once

#include "core/HugeEdit.h"
#include "framework/headless/HeadlessDesktop.h"
#include "view/HEScroller.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class TEditorFixture : public ::testing::Test {
protected:
    THeadlessDesktop Desktop;
    std::unique_ptr<THugeEdit> Edit;

    void SetUp() override { MakeEditor(); }
    void TearDown() override { Edit.reset(); }

    // The kind of editor window under test.
    virtual std::unique_ptr<THugeEdit> NewEditor() { return std::make_unique<THugeEdit>(); }

    void MakeEditor()
    {
        Edit = NewEditor();
        Edit->Create();
        Edit->SetFocus();
        SizeInCells(40, 10);
    }

    // Sizes the client area so that WindowCols is cols and WindowRows is
    // rows (+1 as the editor counts a partial row).
    void SizeInCells(int cols, int rows)
    {
        Desktop.Resize(*Edit, cols * Edit->CharWidth + 2 * Edit->LeftMargin, rows * Edit->LineHeight);
    }

    void Load(const std::string& text)
    {
        TTextInput input = TTextInput::FromMemory(text);
        Edit->ReadText(input);
    }

    // Loads text as it stands: a text without a final line end keeps none
    // (the loader gives every line one).
    void LoadExact(const std::string& text)
    {
        Load(text);
        if (!text.empty() && text.back() != '\n') {
            const TRowIndex last = Edit->Lines.Size() - 1;
            Edit->SetCaret(last, TRowIndex(Edit->Lines[last].size()) - 1);
            Edit->DeleteSelection();
            Edit->SetCaret(0, 0);
        }
    }

    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (TRowIndex r = 0; r < Edit->Lines.Size(); ++r)
            rows.push_back(Edit->Lines[r].str());
        return rows;
    }

    std::string Text() const
    {
        std::string text;
        for (TRowIndex r = 0; r < Edit->Lines.Size(); ++r)
            text.append(Edit->Lines[r].View());
        return text;
    }

    void Key(unsigned vk, unsigned modifiers = 0) { Desktop.SendKey(vk, modifiers); }
    void Type(const std::string& text) { Desktop.TypeText(text); }

    // The client point in the middle of a cell (display column, row).
    TPoint Cell(int row, int displayCol) const
    {
        return {(displayCol - int(Edit->Scroller->XPos)) * Edit->CharWidth + Edit->LeftMargin + Edit->CharWidth / 4,
                (row - int(Edit->Scroller->YPos)) * Edit->LineHeight + Edit->TopMargin + Edit->LineHeight / 2};
    }

public:
    struct TPos {
        TRowIndex Row, Col;
        friend bool operator==(const TPos&, const TPos&) = default;
    };

protected:
    TPos Caret() const { return {Edit->CaretRow, Edit->CaretCol}; }
    TPos Anchor() const { return {Edit->AnchorRow, Edit->AnchorCol}; }

    THeadlessPeer& Peer() const { return Desktop.Peer(*Edit); }

    // The rectangles inverted on client DCs since the logs were cleared.
    std::vector<TRect> Inversions() const
    {
        std::vector<TRect> rects;
        for (const TDrawCall& call : Peer().Drawing())
            if (call.Kind == TDrawCall::TKind::InvertRect && !call.Painting)
                rects.push_back(call.Rect);
        return rects;
    }
};

inline std::ostream& operator<<(std::ostream& os, const TEditorFixture::TPos& p)
{
    return os << "(" << p.Row << ", " << p.Col << ")";
}
