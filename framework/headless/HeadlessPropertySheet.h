// THeadlessPropertySheet: a property sheet as the headless desktop shows
// it. A test acts on it as a user would: picks a tab, clicks a check box,
// types into a box, picks a list entry, drops a list down (which asks the
// entries' heights and drawings through the sheet), and presses OK,
// Cancel or Apply. Apply does nothing while it is greyed; acting on a
// control the page shown lacks throws std::logic_error.
#pragma once

#include "framework/PropertySheet.h"
#include "framework/headless/HeadlessDC.h"

#include <string>
#include <vector>

class TControl;

class THeadlessPropertySheet : private TPropertySheet::TView {
public:
    using TButton = TPropertySheet::TButton;

    explicit THeadlessPropertySheet(TPropertySheet& sheet);
    ~THeadlessPropertySheet() override;
    THeadlessPropertySheet(const THeadlessPropertySheet&) = delete;
    THeadlessPropertySheet& operator=(const THeadlessPropertySheet&) = delete;

    // --- what tests read ---------------------------------------------------------
    TPropertySheet& Sheet() const { return Target; }
    bool IsOpen() const { return Open; }
    size_t ShownPage() const { return Shown; }
    bool ApplyEnabled() const { return ApplyOn; }
    // The pages in the order their windows were made.
    const std::vector<size_t>& CreatedPages() const { return Created; }
    // A control of the page shown.
    TControl& Control(int id) const;

    // --- what the user does -----------------------------------------------------
    void ClickTab(size_t index);
    void Click(int id);
    // Replaces the text of an edit box or of a combo box's edit field.
    void Type(int id, const std::string& text);
    // Picks the entry at index from a combo box's list.
    void Choose(int id, int index);
    void Press(TButton button);
    // Escape, as when a script leaves the sheet open.
    void Close() { Press(TButton::Cancel); }

    // --- an owner-drawn combo box of the page shown ----------------------------
    // The height the box answers for an item (-1: the selection field).
    int MeasureItem(int id, int item);
    // The drawing of an item (-1: the selection field) in a rectangle as
    // wide as the box and as high as it measures, at the origin.
    TDrawLog DrawItem(int id, int item, bool selected);

private:
    TPropertySheet& Target;
    bool Open = true;
    size_t Shown = 0;
    bool ApplyOn = false;
    std::vector<size_t> Created;

    void PageCreated(size_t index) override { Created.push_back(index); }
    void PageSelected(size_t index) override { Shown = index; }
    void ApplyEnabledChanged(bool enabled) override { ApplyOn = enabled; }
    template <class T>
    T& ControlOf(int id) const;
};
