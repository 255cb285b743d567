#include "app/StartRequest.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using TRegistration = TStartRequest::TRegistration;

struct TRequestCase {
    const char* CommandText;
    TStartRequest Expected;
};

void PrintTo(const TRequestCase& c, std::ostream* os) { *os << '"' << c.CommandText << '"'; }

constexpr TRegistration None = TRegistration::None;
constexpr TRegistration Register = TRegistration::Register;
constexpr TRegistration Unregister = TRegistration::Unregister;
constexpr bool Print = true;
constexpr bool NoPrint = false;

class StartRequest : public testing::TestWithParam<TRequestCase> {};

TEST_P(StartRequest, ReadsTheCommandLine)
{
    const TStartRequest got = ReadStartRequest(GetParam().CommandText);
    const TStartRequest& want = GetParam().Expected;
    EXPECT_EQ(got.Registration, want.Registration);
    EXPECT_EQ(got.Print, want.Print);
    EXPECT_EQ(got.FileName, want.FileName);
}

INSTANTIATE_TEST_SUITE_P(FileName, StartRequest, testing::Values(
    TRequestCase{"", {None, NoPrint, std::nullopt}},
    TRequestCase{"a.txt", {None, NoPrint, "a.txt"}},
    // The name is the rest of the line, blanks included, quotes dropped.
    TRequestCase{"\"/home/u/my docs/a b.txt\"", {None, NoPrint, "/home/u/my docs/a b.txt"}},
    TRequestCase{"/home/u/my docs/a b.txt", {None, NoPrint, "/home/u/my docs/a b.txt"}},
    TRequestCase{"\"a.txt", {None, NoPrint, "a.txt"}},
    TRequestCase{"a.txt\"", {None, NoPrint, "a.txt"}},
    TRequestCase{"a=b.txt", {None, NoPrint, "a=b.txt"}},
    // An option after the name is part of the name.
    TRequestCase{"a.txt -p", {None, NoPrint, "a.txt -p"}},
    TRequestCase{"a.txt -reg", {None, NoPrint, "a.txt -reg"}}));

INSTANTIATE_TEST_SUITE_P(Print, StartRequest, testing::Values(
    TRequestCase{"-p a.txt", {None, Print, "a.txt"}},
    TRequestCase{"-P a.txt", {None, Print, "a.txt"}},
    TRequestCase{"/p a.txt", {None, Print, "a.txt"}},
    TRequestCase{"-p=1 a.txt", {None, Print, "a.txt"}},
    TRequestCase{"-p", {None, Print, std::nullopt}},
    TRequestCase{"-p /home/u/a.txt", {None, Print, "/home/u/a.txt"}}));

INSTANTIATE_TEST_SUITE_P(Ignored, StartRequest, testing::Values(
    TRequestCase{"-pr a.txt", {None, NoPrint, "a.txt"}},
    TRequestCase{"-print a.txt", {None, NoPrint, "a.txt"}},
    TRequestCase{"-x a.txt", {None, NoPrint, "a.txt"}},
    TRequestCase{"=3 a.txt", {None, NoPrint, "a.txt"}}));

INSTANTIATE_TEST_SUITE_P(Registration, StartRequest, testing::Values(
    TRequestCase{"-r", {Register, NoPrint, std::nullopt}},
    TRequestCase{"/reg", {Register, NoPrint, std::nullopt}},
    TRequestCase{"-REGISTER", {Register, NoPrint, std::nullopt}},
    TRequestCase{"-u", {Unregister, NoPrint, std::nullopt}},
    TRequestCase{"/UNREG", {Unregister, NoPrint, std::nullopt}},
    TRequestCase{"-unregister", {Unregister, NoPrint, std::nullopt}},
    // The lone dash is an empty name, a prefix of "unregister".
    TRequestCase{"-", {Unregister, NoPrint, std::nullopt}},
    TRequestCase{"-p -", {Unregister, NoPrint, std::nullopt}},
    // Registering ends the walk: nothing is opened or printed.
    TRequestCase{"-reg -p a.txt", {Register, NoPrint, std::nullopt}},
    TRequestCase{"-p -reg a.txt", {Register, NoPrint, std::nullopt}},
    TRequestCase{"-u a.txt", {Unregister, NoPrint, std::nullopt}}));

}  // namespace
