// What the headless desktop keeps of the services that reach outside the
// editor's windows: the child processes it waits for, the help viewer and
// pop-ups shown, the cursor shown over the application and the dialog
// boxes run. Tests read the records; nothing runs until they ask.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

class TWindow;

// A help viewer that a window started; it stays in the record after the
// window is gone, as a real viewer outlives the program that started it.
struct THeadlessHelpViewer {
    const TWindow* Owner = nullptr;
    std::string Page;  // the page shown last
    int Shows = 0;     // starts and raises
    bool Open = false;
};

struct THeadlessHelpPopup {
    const TWindow* Owner = nullptr;
    std::string Page;
    std::string Text;  // the page's text without its mark-up
};

// A dialog box that ran, with its controls' texts as it showed them.
struct THeadlessDialogRun {
    int ResourceId = 0;
    std::string Caption;
    const TWindow* Owner = nullptr;
    std::map<int, std::string> Texts;
};

class THeadlessServices {
public:
    // --- child processes ----------------------------------------------------
    void WatchChild(int pid, std::function<void(int)> done);
    size_t ChildrenWatched() const { return Children.size(); }
    // Waits for every watched child to end and runs what waited for it, in
    // the order they were started.
    void WaitForChildren();

    // --- help ---------------------------------------------------------------
    // Starting a viewer fails while this is set (as with a viewer program
    // that is not installed).
    bool FailViewerStart = false;
    bool ShowViewer(const TWindow& owner, const std::string& page);
    void CloseViewer(const TWindow& owner);
    // The record of the owner's viewer, or null when it never started one.
    const THeadlessHelpViewer* Viewer(const TWindow* owner) const;
    const std::vector<THeadlessHelpViewer>& Viewers() const { return HelpViewers; }
    void ShowPopup(const TWindow& owner, const std::string& page, const std::string& text);
    const std::vector<THeadlessHelpPopup>& Popups() const { return HelpPopups; }

    // --- the application's cursor ---------------------------------------------
    // Which resource cursor shows over the application's windows; 0 when
    // each window shows its own.
    int AppCursor = 0;

    // --- dialog boxes -------------------------------------------------------------
    // Each box answers IDOK once set up.
    std::vector<THeadlessDialogRun> DialogRuns;

private:
    struct TChild {
        int Pid;
        std::function<void(int)> Done;
    };
    std::vector<TChild> Children;
    std::vector<THeadlessHelpViewer> HelpViewers;
    std::vector<THeadlessHelpPopup> HelpPopups;

    THeadlessHelpViewer* Find(const TWindow* owner);
};
