// The default-application list: taking a type over keeps every other line
// and the earlier choice behind Vantor; handing back restores that choice.
#include "framework/DefaultApplications.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* Vantor = "vantor.desktop";

struct TCase {
    const char* Name;
    std::string Before;
    std::vector<TDefaultChoice> Choices;
    std::string Registered;
    std::string HandedBack;
};

const TCase Cases[] = {
    {"no list yet", "", {{"text/plain", ""}},
     "[Default Applications]\ntext/plain=vantor.desktop;\n",
     "[Default Applications]\n"},
    {"the desktop's own default is kept behind Vantor", "", {{"text/plain", "vim.desktop"}},
     "[Default Applications]\ntext/plain=vantor.desktop;vim.desktop;\n",
     "[Default Applications]\ntext/plain=vim.desktop;\n"},
    {"comments, other sections and other types stay",
     "# mine\n[Added Associations]\ntext/plain=kate.desktop;\n\n[Default Applications]\n# editors\nimage/png=eog.desktop\n"
     "text/plain = gedit.desktop\n\n[Removed Associations]\ntext/x-c=foo.desktop;\n",
     {{"text/plain", "gedit.desktop"}, {"application/x-setupscript", ""}},
     "# mine\n[Added Associations]\ntext/plain=kate.desktop;\n\n[Default Applications]\n# editors\nimage/png=eog.desktop\n"
     "text/plain = vantor.desktop;gedit.desktop\napplication/x-setupscript=vantor.desktop;\n\n[Removed Associations]\n"
     "text/x-c=foo.desktop;\n",
     "# mine\n[Added Associations]\ntext/plain=kate.desktop;\n\n[Default Applications]\n# editors\nimage/png=eog.desktop\n"
     "text/plain = gedit.desktop\n\n[Removed Associations]\ntext/x-c=foo.desktop;\n"},
    {"Vantor further down the list moves first",
     "[Default Applications]\ntext/plain=a.desktop;vantor.desktop;b.desktop;\n", {{"text/plain", "a.desktop"}},
     "[Default Applications]\ntext/plain=vantor.desktop;a.desktop;b.desktop;\n",
     "[Default Applications]\ntext/plain=a.desktop;b.desktop;\n"},
    {"a commented-out default is no default",
     "[Default Applications]\n#text/plain=vantor.desktop;\ntext/html=vantor.desktop;firefox.desktop;\n", {{"text/plain", ""}},
     "[Default Applications]\n#text/plain=vantor.desktop;\ntext/html=vantor.desktop;firefox.desktop;\n"
     "text/plain=vantor.desktop;\n",
     "[Default Applications]\n#text/plain=vantor.desktop;\ntext/html=firefox.desktop;\n"},
    {"a last line without its line end", "[Default Applications]\nimage/png=eog.desktop", {{"text/plain", ""}},
     "[Default Applications]\nimage/png=eog.desktop\ntext/plain=vantor.desktop;\n",
     "[Default Applications]\nimage/png=eog.desktop\n"},
};

TEST(DefaultApplications, TakingOverAndHandingBack)
{
    for (const TCase& c : Cases) {
        SCOPED_TRACE(c.Name);
        const std::string registered = WithDefaultApplication(c.Before, c.Choices, Vantor);
        EXPECT_EQ(registered, c.Registered);
        // Registering twice changes nothing more, even though the desktop
        // now answers with Vantor itself.
        std::vector<TDefaultChoice> again = c.Choices;
        for (TDefaultChoice& choice : again)
            choice.Previous = Vantor;
        EXPECT_EQ(WithDefaultApplication(registered, again, Vantor), registered);
        EXPECT_EQ(WithoutDefaultApplication(registered, Vantor), c.HandedBack);
    }
}

TEST(DefaultApplications, HandingBackWhatWasNeverTakenChangesNothing)
{
    for (const std::string& text :
         {std::string(), std::string("[Default Applications]\ntext/plain=\nimage/png=eog.desktop;\n"),
          std::string("[Added Associations]\ntext/plain=vantor.desktop;\n")})
        EXPECT_EQ(WithoutDefaultApplication(text, Vantor), text);
}

}  // namespace
