#include "framework/WinHelp.h"

#include "framework/HelpBook.h"
#include "framework/Platform.h"

namespace {

// The page a command shows in the viewer; empty when the book lacks it.
std::string ViewerPage(const THelpBook& book, unsigned command, uint32_t context)
{
    switch (command) {
    case HELP_CONTENTS: return book.ContentsPage();
    case HELP_HELPONHELP: return book.HelpOnHelpPage();
    case HELP_CONTEXT: return book.TopicPage(context);
    default: return {};
    }
}

}  // namespace

bool WinHelp(TWindow* owner, const std::string& helpFile, unsigned command, uintptr_t data)
{
    if (!owner)
        return false;
    if (command == HELP_QUIT) {
        Platform::CloseHelpViewer(*owner);
        return true;
    }
    const std::optional<THelpBook> book = THelpBook::Find(helpFile);
    if (!book)
        return false;
    const auto context = uint32_t(data);
    if (command == HELP_CONTEXTPOPUP) {
        const std::string page = book->TopicPage(context);
        return !page.empty() && Platform::ShowHelpPopup(*owner, page);
    }
    const std::string page = ViewerPage(*book, command, context);
    return !page.empty() && Platform::ShowHelpViewer(*owner, book->ContentsPage(), page);
}
