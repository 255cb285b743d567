// THugeEdit: the editor window. It holds the document (rows, caret and
// selection, undo history, file name) and its view (font, metrics,
// scroller). The document side is implemented in core/HugeEdit*.cpp, the
// view side in view/HugeEdit*.cpp.
#pragma once

#include "core/FileOrigin.h"
#include "core/FileSaver.h"
#include "core/LineArray.h"
#include "core/Offset.h"
#include "core/TextLoader.h"
#include "core/TextWriter.h"
#include "core/UndoStack.h"
#include "framework/Dialogs.h"
#include "framework/Font.h"
#include "framework/ResponseTable.h"
#include "framework/Window.h"
#include "core/TextStyle.h"

#include <memory>
#include <stdexcept>
#include <string>

class THEScroller;

class THugeEdit : public TWindow {
public:
    explicit THugeEdit(TWindow* parent = nullptr, const std::string& title = {});
    ~THugeEdit() override;

    const char* GetClassName() const override { return "THugeEdit"; }

    // --- the virtual operations of the editor, in their slot order --------
    virtual void Reset();
    virtual void Reflow(TRowIndex row, TRowIndex col, bool toEnd);
    virtual void UpdateScrollRange();
    virtual void InvertRegion(TDC& dc, TRowIndex row1, TRowIndex col1, TRowIndex row2, TRowIndex col2);
    virtual void InvertRange(TRowIndex row1, TRowIndex col1, TRowIndex row2, TRowIndex col2);
    virtual void DeleteSelection();
    virtual void Copy();
    virtual void Paste();
    virtual void Cut();
    virtual void Undo();
    virtual void Redo();
    virtual void NewDocument();
    // An empty path asks for one with the Open dialog.
    virtual void Open(const std::string& path = {});
    // path null: Save As (the dialog asks); &FileData.FileName: save under
    // the document's own name; anything else: save under that name. True
    // when the text was written.
    virtual bool Save(const std::string* path);
    virtual void InsertText(const std::string& text);
    virtual void OverwriteText(const std::string& text);
    // Copies the text into buffer (size characters, terminator included);
    // answers WM_GETTEXT.
    virtual size_t GetText(char* buffer, size_t size);
    // The buffer size GetText needs; answers WM_GETTEXTLENGTH.
    virtual int64_t GetTextLength();
    virtual void MoveLeft();
    virtual void MoveRight();
    virtual void MoveUp();
    virtual void MoveDown();
    virtual void MoveRowEnd();
    virtual void MoveRowHome();
    virtual void SetSelectionOffsets(TOffset caretOffset, TOffset anchorOffset);
    virtual void SetCaretOffset(TOffset offset);
    virtual void SetSelection(TRowIndex caretRow, TRowIndex caretCol, TRowIndex anchorRow, TRowIndex anchorCol);
    virtual void SetCaret(TRowIndex row, TRowIndex col);
    virtual TLoadResult ReadText(TTextInput& input);
    virtual bool WriteText(TTextOutput& output);
    virtual void SelectWord();
    virtual void MoveDocumentEnd();
    virtual void MoveDocumentHome();
    virtual void MoveNextLine();
    virtual void MovePrevLine();
    virtual void MoveWordLeft();
    virtual void MoveWordRight();
    virtual void MovePageDown();
    virtual void MovePageUp();

    // --- positions --------------------------------------------------------
    TOffset OffsetOf(TRowIndex row, TRowIndex col) const;
    void PositionOf(TOffset offset, TRowIndex& row, TRowIndex& col) const;
    TRowIndex GetNumLines() const { return Lines.Size(); }
    // A row's end position (the last legal column of the row).
    TRowIndex RowEnd(TRowIndex row) const;

    // --- view ---------------------------------------------------------------
    void UpdateCaret(bool scrollIntoView);
    void PrepareSelection(bool shiftDown);
    void PointToPosition(const TPoint& point, TRowIndex& row, TRowIndex& col) const;
    // Ends a drag with the caret at (row, col) and records the position.
    void FinishDrag(TRowIndex row, TRowIndex col);
    void SetWordWrap(bool on);
    // Sets the wrap width and rewraps every row now, keeping the caret and
    // the selection by offset; printing lends the rows this way. Not for
    // use while a file loads: the loader cuts rows by a rule of its own.
    void RewrapToWidth(int cols);
    // Throws std::runtime_error("Unable to get font metrics"). Values out
    // of the bounds below are applied at the nearest bound, so any style
    // (one read from a damaged settings file, too) leaves a usable window.
    void ApplyStyle(const TTextStyle& style);
    static constexpr int MaxMargin = 100;  // pixels, left and top
    static constexpr int MaxTabSize = 256;  // columns (below 1 counts as 1)
    static constexpr int MinFontHeight = 6;  // pixels
    static constexpr int MaxFontHeight = 400;
    // The line spacing keeps the row height from 1 to twice MaxFontHeight.
    void GetStyle(TTextStyle& style) const;

    // --- undo -------------------------------------------------------------
    void RecordPosition(TOffset caretOffset, TOffset anchorOffset);
    // A change of the text while a drag is in progress ends the drag first.
    void EndDrag();
    // at: where a deletion starts, which Redo deletes from again.
    void RecordText(TOffset kind, const std::string& text, TOffset at = 0);
    // The same, taking over the text, which may view the row array's blocks.
    void RecordText(TOffset kind, TUndoText&& text, TOffset at = 0);
    // A limit beyond MaxUndoLimit (a negative one counts as a huge number of
    // records) keeps MaxUndoLimit records, so the history cannot grow
    // without end.
    void SetUndoLimit(int32_t limit);
    static constexpr int32_t MaxUndoLimit = 1000000;

    // --- TWindow overrides ----------------------------------------------------
    void Create() override;
    bool CanClose() override;
    void Paint(TDC& dc, bool erase, TRect& rect) override;
    void EvKeyDown(unsigned key, unsigned repeatCount, unsigned flags) override;
    void EvKeyUp(unsigned key, unsigned repeatCount, unsigned flags) override;
    void EvChar(unsigned key, unsigned repeatCount, unsigned flags) override;
    void EvLButtonDown(unsigned modKeys, const TPoint& point) override;
    void EvMouseMove(unsigned modKeys, const TPoint& point) override;
    void EvLButtonUp(unsigned modKeys, const TPoint& point) override;
    void EvLButtonDblClk(unsigned modKeys, const TPoint& point) override;
    void EvSize(unsigned sizeType, const TSize& size) override;
    void EvHScroll(unsigned scrollCode, unsigned thumbPos) override;
    void EvVScroll(unsigned scrollCode, unsigned thumbPos) override;
    void EvSetFocus() override;
    void EvKillFocus() override;
    void EvContextMenu(const TPoint& screenPoint) override;
    bool EvCommand(unsigned id) override;
    bool HasCommandHandler(unsigned id) const override;
    bool EvCommandEnable(TCommandEnabler& enabler) override;

    // --- document fields --------------------------------------------------
    THELineArray Lines;
    bool HasSelection = false;
    TRowIndex CaretRow = 0;
    TRowIndex CaretCol = 0;
    TRowIndex AnchorRow = 0;
    TRowIndex AnchorCol = 0;
    bool Modified = false;
    bool WordWrap = false;
    bool Overwrite = false;
    bool AutoIndent = false;
    bool EditLocked = false;
    bool SuspendRecording = false;
    // The left button drags a selection (SuspendRecording is set for it).
    bool Dragging = false;
    THEUndoStack UndoStack;
    THEUndoStack RedoStack;
    std::unique_ptr<THEUndoItem> CurrentRecord;
    // How many rows the last Reflow went over; benchmarks and tests read it.
    TRowIndex LastReflowRows = 0;

    // The document's file data: FileData.FileName is its path (empty:
    // untitled); the record also serves both file dialogs.
    TOpenSaveData FileData;
    std::string InitialDir;
    // The file the document was last loaded from or saved to.
    TFileOrigin Origin;
    // The longest text the document may hold; tests lower it.
    int64_t LengthLimit = MaxDocumentLength;

    // --- display fields ---------------------------------------------------
    TColor TextColor;
    TColor BackColor;
    std::unique_ptr<TFont> Font;
    std::string FaceName = "Courier New";
    int FontHeight = 0;
    int CharWidth = 0;
    int LineHeight = 0;
    int LeftMargin = 0;
    int TopMargin = 0;
    int TabSize = 3;
    int WindowCols = 0;
    int WindowRows = 1;
    THEScroller* HEScroller() const;

    // True while ReadText reads a file (its messages are being dispatched).
    bool IsLoading() const { return Loading; }

protected:
    // Opens a file for ReadText; tests give inputs that fail.
    virtual TTextInput OpenForReading(const std::string& path) { return TTextInput::FromFile(path); }

    // Command handlers of the editor's own table.
    void CmEditUndo() { Undo(); }
    void CmEditRedo() { Redo(); }
    void CmEditCut() { Cut(); }
    void CmEditCopy() { Copy(); }
    void CmEditPaste() { Paste(); }
    void CmEditDelete() { DeleteSelection(); }
    void CeEditUndo(TCommandEnabler& ce) { ce.Enable(!UndoStack.Empty()); }
    void CeEditRedo(TCommandEnabler& ce) { ce.Enable(!RedoStack.Empty()); }
    void CeSelection(TCommandEnabler& ce) { ce.Enable(HasSelection); }
    void CeEditPaste(TCommandEnabler& ce);
    static const TResponseTable<THugeEdit> Responses;

private:
    bool Loading = false;
    bool LoadAbandoned = false;
    bool CloseAfterLoad = false;
    // A rewrap asked for while a file loads waits for the end of the load.
    bool RewrapAfterLoad = false;
    TLoadFacts LastLoad;
    // Never less than the length of the text: grows with every insertion
    // and is measured again only when an insertion might not fit.
    int64_t LengthBound = 1;
    int LineSpacingPixels = 0;

    // The metrics that follow from the font and the client size.
    void MakeFont(const std::string& face, int height);
    // The scroller and the context menu are the view's; the view makes them.
    void MakeScroller();
    void MakeContextMenu();
    // Where the keyboard's context menu opens, in screen coordinates.
    TPoint CaretMenuPoint() const;
    void ComputeWindowSize();
    // Rewraps everything keeping the caret and selection by offset (the
    // pattern shared by SetWordWrap, resize and ApplyStyle).
    struct TKeptSelection {
        TOffset Caret;
        TOffset Anchor;
        bool Selected;
    };
    TKeptSelection KeepSelection();
    void RestoreSelection(const TKeptSelection& kept);
    void PlacementOf(TOffset offset, TRowIndex& row, TRowIndex& col) const;
    void StoreCaret(TRowIndex row, TRowIndex col);
    void StoreSelection(TRowIndex caretRow, TRowIndex caretCol, TRowIndex anchorRow, TRowIndex anchorCol);
    // Clamps a position by the caret rule.
    void ClampPosition(TRowIndex& row, TRowIndex& col) const;
    // Inverts the cells between the old and new caret when a move extends
    // the selection, then stores the caret and updates it.
    bool BeginMove(bool& shiftDown);
    void FinishMove(bool shiftDown, TRowIndex row, TRowIndex col);
    bool CollapseSelection(bool shiftDown, bool toEarlier);
    // A column kept on a new row: no further than its length minus 1.
    TRowIndex ColumnInRow(TRowIndex row, TRowIndex col) const;
    bool ShiftDown() const;
    bool CtrlDown() const;
    void CreateCaretShape();
    // The caret's client position, before it is clipped to the window.
    int64_t CaretX() const;
    int64_t CaretY() const;
    void ScrollCaretIntoView(const TRect& client);
    void EnsureNonEmpty();
    TUndoText DeletedText(TRowIndex r1, TRowIndex c1, TRowIndex r2, TRowIndex c2) const;
    // InsertText after the carriage returns are gone, of text in pieces:
    // new rows may view the pieces that live in the row array's blocks.
    void InsertPieces(const std::vector<TUndoText::TPiece>& pieces);
    // Returns where a text copied into the blocks now lives, or null.
    const char* InsertRowWise(const std::vector<TUndoText::TPiece>& pieces, int64_t lineEnds);
    void PlaceInsertedLine(TRowIndex line, std::string_view text, bool inBlocks);
    void InsertKeptRows(THEUndoItem& record);
    // Redo's deletion keeps its rows in the record it replays.
    THEUndoItem* KeepRowsIn = nullptr;
    void ShowLoadFailure(TLoadResult result, const std::string& path);
    void TakeLoadedFile(const std::string& path, const TTextInput& input, TLoadResult result);
    // Asks before a save over the document's own file would lose text;
    // false when the user says No.
    bool ConfirmSaveOver(const std::string& path);
    // Whether inserting inserted characters in place of replaced ones keeps
    // the text within LengthLimit; if not, says so.
    bool RoomFor(int64_t inserted, int64_t replaced);
    // Rewraps every row keeping the caret and selection (deferred while a
    // file loads).
    void RewrapAll();
    void EndReplayOnPosition(THEUndoStack& otherStack);
};

class THEScroller;
