// A help book: HTML pages and an index file that names the contents page,
// the page on using help and the topic of each context number. The index
// is the help file the program asks for by name ("torvel.hlp"), so a book
// is found where its index is: beside the program in help/, then in the
// desktop's data folders under vantor/help/.
//
// Index lines, blank lines and lines starting with # aside:
//     contents PAGE
//     helponhelp PAGE
//     NUMBER PAGE          (a context number, decimal)
// Pages are relative to the index's folder.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

class THelpBook {
public:
    // The book whose index is helpFile in the first folder that holds it.
    static std::optional<THelpBook> Find(const std::string& helpFile);
    // The book of one index file; none when it cannot be read or names no
    // contents page.
    static std::optional<THelpBook> Load(const std::string& indexPath);
    // Where Find looks, in order.
    static std::vector<std::string> Folders();

    // Full paths of pages; empty when the book has no such page.
    std::string ContentsPage() const { return Contents; }
    std::string HelpOnHelpPage() const { return HelpOnHelp; }
    std::string TopicPage(uint32_t context) const;
    const std::map<uint32_t, std::string>& Topics() const { return TopicPages; }

private:
    std::string Contents;
    std::string HelpOnHelp;
    std::map<uint32_t, std::string> TopicPages;
};

// A page's text without its mark-up: tags dropped, the common entities
// read, runs of white space as one blank.
std::string HelpPageText(const std::string& pagePath);
