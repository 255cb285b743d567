// The platform layer a conformance test runs against, and what the tests
// need to do in it that the program itself never does: run its loop, act as
// the user or as another program, and look at what the layer shows. Each
// layer's support (headless/, qt/) implements it; one object lives for the
// length of a test.
#pragma once

#include "framework/Types.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TPrinter;
class TWindow;

class TLayerUnderTest {
public:
    TLayerUnderTest();
    ~TLayerUnderTest();
    TLayerUnderTest(const TLayerUnderTest&) = delete;
    TLayerUnderTest& operator=(const TLayerUnderTest&) = delete;

    // --- the loop -----------------------------------------------------------
    // Lets the messages posted so far be dispatched, as the message loop
    // does when it next runs.
    void DispatchPosted();
    // Lets waiting events run, the window manager's answers included.
    void Settle();
    // Runs the layer's loop until done() holds or a generous limit passes;
    // returns done().
    bool RunUntil(const std::function<bool()>& done);

    // --- windows and the user -----------------------------------------------
    // Creates and shows a top-level window, and lets the layer settle.
    void ShowTopLevel(TWindow& window);
    void UserMove(TWindow& window, int x, int y);
    void UserMaximize(TWindow& window);
    void UserRestore(TWindow& window);
    // The user presses (down) or releases a key in the window.
    void UserKey(TWindow& window, unsigned virtualKey, bool down);
    // The user works a scroll bar of the window (SB_HORZ, SB_VERT): a line
    // or page step (SB_LINEDOWN, ...), or drags the thumb to a bar value
    // and lets it go (SB_THUMBPOSITION).
    void UserScroll(TWindow& window, int bar, unsigned code, int thumb = 0);

    // --- the caret ----------------------------------------------------------
    // Whether the caret is shown (hide count 0) in the window, and where.
    bool CaretShownIn(const TWindow& window) const;
    TPoint CaretPos() const;

    // --- the clipboard ------------------------------------------------------
    // Another program puts an image on the clipboard.
    void PutImageOnClipboard();

    // --- message boxes ------------------------------------------------------
    // The user answers the next message box by clicking the button of this
    // answer (IDOK, IDCANCEL, IDYES, IDNO), or by a key (VK_RETURN,
    // VK_ESCAPE). Every box a test shows must be answered.
    void ClickInNextMessageBox(int answer);
    void PressInNextMessageBox(unsigned virtualKey);
    struct TShownBox {
        std::string Text;
        std::string Caption;
    };
    TShownBox LastMessageBox() const;

    // --- pop-up menus -------------------------------------------------------
    // The user answers the next pop-up menu by clicking the item of this
    // command (0: by dismissing the menu). Every menu a test opens must be
    // answered.
    void AnswerNextPopupMenu(unsigned id);

    struct TShownItem {
        std::string Text;  // empty for a separator
        bool Enabled = false;
        bool Checked = false;
        friend bool operator==(const TShownItem&, const TShownItem&) = default;
    };
    struct TShownMenu {
        TPoint Point;  // screen coordinates
        std::vector<TShownItem> Items;
    };
    // The last pop-up menu as it was shown.
    TShownMenu LastPopupMenu() const;

    // The printer object prints into a file of the test's own (a PDF file
    // on Qt, the recorder headless).
    void PrintIntoScratch(TPrinter& printer);
    // The user answers the next print dialog: Print (all pages) or Cancel.
    void AnswerNextPrintDialog(bool print);
    // The pages of the last job that was sent to the end; 0 when none was.
    int PrintedPages() const;

private:
    struct TImpl;
    std::unique_ptr<TImpl> Impl;
};
