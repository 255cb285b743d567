#include "resources/HintStrings.h"

#include <algorithm>
#include <array>

namespace {

struct THintString {
    unsigned Id;
    std::string_view Text;
};

// Sorted by identifier. The File menu (one below CM_FILENEW) has no hint.
constexpr auto HintTable = std::to_array<THintString>({
    {1, "Prints the document"},
    {2, "Set up the printer for printing"},
    {3, "Turn word wrap on or off"},
    {4, "Change between Windows (normal) text, and Dos ANSII text display\nDOS Text"},
    {683, "Set the default display options"},
    {1682, "Redo the last action"},
    {2000, "Access online help"},
    {2001, "Help table of contents"},
    {2002, "Help on using online Help"},
    {2009, "About the Wend application"},
    {9070, "Go to Vantor's Web Page."},
    {9071, "Send the text as mail."},
    {24310, "Quits Vantor and prompts to save the document if required"},
    {24320, "Edit operations"},
    {24321, "Reverses the last operation"},
    {24322, "Cuts the selection and puts it on the Clipboard"},
    {24323, "Copies the selection and puts it on the Clipboard"},
    {24324, "Inserts the Clipboard contents at the insertion point"},
    {24325, "Deletes the selection"},
    {24326, "Clears the active document"},
    {24331, "Create a new document"},
    {24332, "Opens a document"},
    {24333, "Saves the document"},
    {24334, "Saves the document with a new name"},
    {24350, "Search/replace operations"},
    {24351, "Finds the specified text"},
    {24352, "Finds the specified text and changes it"},
    {24353, "Finds the next match"},
    // The system menu.
    {61440, "Changes the size of the window"},
    {61456, "Moves the window to another position"},
    {61472, "Reduces the window to an icon"},
    {61488, "Enlarges the window to it maximum size"},
    {61504, "Switches to next window"},
    {61536, "Closes the window"},
    {61728, "Restores the window to its previous size"},
    {61744, "Opens task list"},
});

static_assert(std::is_sorted(HintTable.begin(), HintTable.end(),
                             [](const THintString& a, const THintString& b) { return a.Id < b.Id; }),
              "the hint table is searched by bisection");

}  // namespace

std::optional<std::string_view> FindHintString(unsigned id)
{
    auto it = std::lower_bound(HintTable.begin(), HintTable.end(), id,
                               [](const THintString& h, unsigned key) { return h.Id < key; });
    if (it == HintTable.end() || it->Id != id)
        return std::nullopt;
    return it->Text;
}
