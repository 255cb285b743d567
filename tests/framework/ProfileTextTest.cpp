// The settings-file text as the private profile functions read and edit it.
#include "framework/ProfileText.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

namespace {

struct TFindCase {
    const char* Text;
    const char* Section;
    const char* Key;
    std::optional<std::string> Expected;
};

TEST(ProfileText, FindsKeysAsTheProfileReaderDoes)
{
    const TFindCase cases[] = {
        {"[General]\nWrap=1\n", "General", "Wrap", "1"},
        {"[general]\nWRAP=1\n", "GENERAL", "wrap", "1"},                      // names ignore case
        {"  [ General ]  \n\t Wrap \t=  7 \t\n", "General", "Wrap", "7"},     // blanks around names and values
        {"[General]\r\nWrap=1\r\nDos=0\r\n", "General", "Wrap", "1"},       // CR LF
        {"[General]\r\nWrap=1\r\n", "General", "Dos", std::nullopt},
        {"[Position]\nWrap=1\n", "General", "Wrap", std::nullopt},          // other section
        {"Wrap=1\n[General]\n", "General", "Wrap", std::nullopt},           // before any section
        {"", "General", "Wrap", std::nullopt},
        {"[General]\nWrap=\n", "General", "Wrap", ""},
        {"[General]\nWrap=1\nWrap=2\n", "General", "Wrap", "1"},            // the first key counts
        {"[General]\nDos=1\n[Other]\n[General]\nWrap=5\n", "General", "Wrap", "5"},  // a repeated section
        {"[General]\nWrap=1\n[General]\nWrap=2\n", "General", "Wrap", "1"},
        {"[General]\n;Wrap=1\n", "General", "Wrap", std::nullopt},          // a comment
        {"[General]\nWrap\nWrap 1\n", "General", "Wrap", std::nullopt},     // lines without "="
        {"[General]\n=1\n", "General", "", std::nullopt},
        {"[General]\nFace=a=b\n", "General", "Face", "a=b"},                // the first "=" divides
        {"[General\nWrap=1\n", "General", "Wrap", "1"},                     // no "]"
        {"[General] trailing\nWrap=1\n", "General", "Wrap", "1"},
        {"\xEF\xBB\xBF[General]\nWrap=1\n", "General", "Wrap", "1"},        // a byte-order mark
        {"[General]\nWrap=1", "General", "Wrap", "1"},                      // no final line end
        {"[Gen\0eral]\nWrap=1\n\xFF\xFE\x01=\x80\n", "General", "Wrap", std::nullopt},
    };
    for (const TFindCase& c : cases) {
        const TProfileText text(c.Text);
        const std::optional<std::string_view> found = text.Find(c.Section, c.Key);
        EXPECT_EQ(found ? std::optional<std::string>(std::string(*found)) : std::nullopt, c.Expected)
            << c.Text << " [" << c.Section << "] " << c.Key;
    }
}

struct TSetCase {
    const char* Before;
    const char* Section;
    const char* Key;
    const char* Value;
    const char* After;
};

TEST(ProfileText, SettingAKeyChangesOnlyItsValue)
{
    const TSetCase cases[] = {
        {"", "General", "Wrap", "1", "[General]\nWrap=1\n"},                                  // a new file: LF
        {"[General]\nWrap=0\n", "General", "Wrap", "1", "[General]\nWrap=1\n"},
        {"[General]\r\nWrap = 7  \r\nDos=0\r\n", "general", "WRAP", "1", "[General]\r\nWrap = 1  \r\nDos=0\r\n"},
        {"[General]\nWrap=\n", "General", "Wrap", "1", "[General]\nWrap=1\n"},
        // A new key goes after the section's last key, or its heading.
        {"[General]\nWrap=0\n\n; text\n[WinText]\nMargin=5\n", "General", "Dos", "1",
         "[General]\nWrap=0\nDos=1\n\n; text\n[WinText]\nMargin=5\n"},
        {"[General]\n\n[WinText]\n", "General", "Dos", "1", "[General]\nDos=1\n\n[WinText]\n"},
        // A new section at the end, with the text's own line end.
        {"[General]\r\nWrap=0\r\n", "WinText", "Margin", "10", "[General]\r\nWrap=0\r\n[WinText]\r\nMargin=10\r\n"},
        {"[General]\nWrap=0", "General", "Dos", "1", "[General]\nWrap=0\nDos=1\n"},          // no final line end
        {"[General]\nWrap=0", "WinText", "Margin", "1", "[General]\nWrap=0\n[WinText]\nMargin=1\n"},
        // A repeated section: the first key of the name, else the first section.
        {"[General]\nDos=0\n[X]\n[General]\nWrap=0\n", "General", "Wrap", "1",
         "[General]\nDos=0\n[X]\n[General]\nWrap=1\n"},
        {"[General]\nDos=0\n[X]\n[General]\nAuto=0\n", "General", "Wrap", "1",
         "[General]\nDos=0\nWrap=1\n[X]\n[General]\nAuto=0\n"},
        {"[General]\nWrap=0\nWrap=0\n", "General", "Wrap", "1", "[General]\nWrap=1\nWrap=0\n"},
        // A value cannot break its line; blanks around it do not survive.
        {"[A]\nk=v\n", "A", "k", " two\nlines ", "[A]\nk=two\n"},
    };
    for (const TSetCase& c : cases) {
        TProfileText text(c.Before);
        EXPECT_TRUE(text.Set(c.Section, c.Key, c.Value)) << c.Before;
        EXPECT_EQ(text.Bytes(), c.After) << c.Before;
    }
}

TEST(ProfileText, NamesTheFormatCannotHoldAreRefused)
{
    const char* const before = "[A]\nk=v\n";
    for (auto [section, key] : {std::pair{"A", "k=x"}, {"A", ""}, {"", "k"}, {"A]", "k"}, {"A", "k\n"},
                                {"A", ";k"}, {"A", "[k"}}) {
        TProfileText text(before);
        EXPECT_FALSE(text.Set(section, key, "1")) << section << " " << key;
        EXPECT_EQ(text.Bytes(), before);
    }
}

// A file written by hand: comments, blank lines, odd spacing and a section
// the program does not know stay byte for byte around the changed keys.
TEST(ProfileText, AHandWrittenFileKeepsEveryOtherByte)
{
    const std::string before =
        "; my editor settings\r\n"
        "\r\n"
        "[Tools]\r\n"
        "grep = /usr/bin/grep\r\n"
        "\r\n"
        "[ General ]\r\n"
        "; wrap long lines\r\n"
        "  Wrap   =   7\r\n"
        "; keep lots of undo\r\n"
        "UndoLimit=2000\r\n"
        "\r\n"
        "; the end\r\n";
    TProfileText text(before);
    ASSERT_TRUE(text.Set("General", "Wrap", "1"));
    ASSERT_TRUE(text.Set("General", "Dos", "0"));
    ASSERT_TRUE(text.Set("Position", "x", "50"));
    EXPECT_EQ(text.Bytes(), "; my editor settings\r\n"
                            "\r\n"
                            "[Tools]\r\n"
                            "grep = /usr/bin/grep\r\n"
                            "\r\n"
                            "[ General ]\r\n"
                            "; wrap long lines\r\n"
                            "  Wrap   =   1\r\n"
                            "; keep lots of undo\r\n"
                            "UndoLimit=2000\r\n"
                            "Dos=0\r\n"
                            "\r\n"
                            "; the end\r\n"
                            "[Position]\r\n"
                            "x=50\r\n");
}

TEST(ProfileText, IntegersAreReadAsTheProfileReaderReadsThem)
{
    const std::pair<const char*, int> cases[] = {
        {"12", 12},       {"+12", 12},     {"-12", -12},    {"  \t42", 42},  {"007", 7},
        {"12abc", 12},    {"abc", 0},      {"", 0},         {"-", 0},        {"+-3", 0},
        {"- 3", 0},       {"0x10", 0},     {"1 2", 1},      {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},           {"99999999999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},          {"-2147483649", INT_MIN},        {"-99999999999999999999", INT_MIN},
    };
    for (auto [text, expected] : cases)
        EXPECT_EQ(ParseProfileInt(text), expected) << '"' << text << '"';
}

}  // namespace
