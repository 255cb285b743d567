#include "framework/CmdLine.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

void PrintTo(TCmdLine::TKind kind, std::ostream* os)
{
    static const char* const names[] = {"Start", "Option", "Value", "Name", "Done"};
    *os << names[static_cast<int>(kind)];
}

namespace {

using TKind = TCmdLine::TKind;
using TTokens = std::vector<std::pair<TKind, std::string>>;

TTokens Tokenize(const std::string& text)
{
    TTokens tokens;
    TCmdLine line(text);
    for (TKind kind = line.NextToken(); kind != TKind::Done; kind = line.NextToken())
        tokens.emplace_back(kind, std::string(line.Token()));
    return tokens;
}

struct TTokenCase {
    const char* Text;
    TTokens Expected;
};

void PrintTo(const TTokenCase& c, std::ostream* os) { *os << '"' << c.Text << '"'; }

class CmdLineTokens : public testing::TestWithParam<TTokenCase> {};

TEST_P(CmdLineTokens, SplitsAsDescribed)
{
    EXPECT_EQ(Tokenize(GetParam().Text), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, CmdLineTokens, testing::Values(
    TTokenCase{"", {}},
    TTokenCase{" \t  ", {}},
    TTokenCase{"a.txt", {{TKind::Name, "a.txt"}}},
    TTokenCase{"  -p  a.txt", {{TKind::Option, "p"}, {TKind::Name, "a.txt"}}},
    TTokenCase{"/P", {{TKind::Option, "P"}}},
    // The option's name starts after the marker and the blanks after it.
    TTokenCase{"-  reg", {{TKind::Option, "reg"}}},
    TTokenCase{"-", {{TKind::Option, ""}}},
    TTokenCase{"- ", {{TKind::Option, ""}}},
    // A token ends at "=", "/", a blank or a tab.
    TTokenCase{"-p=3", {{TKind::Option, "p"}, {TKind::Value, "3"}}},
    TTokenCase{"-p/r", {{TKind::Option, "p"}, {TKind::Option, "r"}}},
    TTokenCase{"-p\tx", {{TKind::Option, "p"}, {TKind::Name, "x"}}},
    TTokenCase{"=v name", {{TKind::Value, "v"}, {TKind::Name, "name"}}},
    TTokenCase{"a=b", {{TKind::Name, "a"}, {TKind::Value, "b"}}},
    // A word starting with "/" that holds another "/" is an absolute path.
    TTokenCase{"/home/a.txt", {{TKind::Name, "/home"}, {TKind::Option, "a.txt"}}},
    TTokenCase{"/p /tmp/x", {{TKind::Option, "p"}, {TKind::Name, "/tmp"}, {TKind::Option, "x"}}}));

TEST(CmdLine, RestRunsFromTheTokensStartToTheEnd)
{
    TCmdLine line("-p  my file.txt -x");
    ASSERT_EQ(line.NextToken(), TKind::Option);
    EXPECT_EQ(line.Rest(), "-p  my file.txt -x");
    ASSERT_EQ(line.NextToken(), TKind::Name);
    EXPECT_EQ(line.Token(), "my");
    EXPECT_EQ(line.Rest(), "my file.txt -x");
}

TEST(CmdLine, ResetStartsOver)
{
    TCmdLine line("-u a");
    line.NextToken();
    line.NextToken();
    EXPECT_EQ(line.NextToken(), TKind::Done);
    line.Reset();
    EXPECT_EQ(line.Kind(), TKind::Start);
    EXPECT_EQ(line.NextToken(), TKind::Option);
    EXPECT_EQ(line.Token(), "u");
}

}  // namespace
