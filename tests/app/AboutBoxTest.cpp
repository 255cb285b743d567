// The About box and the version record it reads from the program's file:
// this test program carries the same record as the editor.
#include "AppHarness.h"

#include "dialogs/ProjectRCVersion.h"
#include "dialogs/WendAboutDlg.h"
#include "framework/ExecutableSection.h"
#include "framework/headless/HeadlessDesktop.h"
#include "resources/AboutDialog.h"
#include "resources/VersionSection.h"
#include "view/CommandIds.h"

#include <elf.h>
#include <gtest/gtest.h>

#include <cstring>

namespace {

// A program file reduced to what the reader looks at: the ELF header, the
// section names and one section.
std::string ElfWith(const std::string& sectionName, const std::string& bytes)
{
    const std::string names = std::string("\0.shstrtab\0", 11) + sectionName + '\0';
    Elf64_Ehdr header{};
    std::memcpy(header.e_ident, ELFMAG, SELFMAG);
    header.e_ident[EI_CLASS] = ELFCLASS64;
    header.e_ident[EI_DATA] = ELFDATA2LSB;
    header.e_shentsize = sizeof(Elf64_Shdr);
    header.e_shnum = 3;
    header.e_shstrndx = 1;
    const uint64_t namesAt = sizeof header, bytesAt = namesAt + names.size();
    header.e_shoff = bytesAt + bytes.size();
    Elf64_Shdr sections[3]{};
    sections[1] = {1, SHT_STRTAB, 0, 0, namesAt, names.size(), 0, 0, 1, 0};
    sections[2] = {11, SHT_PROGBITS, 0, 0, bytesAt, bytes.size(), 0, 0, 1, 0};
    std::string file(reinterpret_cast<const char*>(&header), sizeof header);
    file += names + bytes;
    file.append(reinterpret_cast<const char*>(sections), sizeof sections);
    return file;
}

TVersionSource Without(const char* key, std::vector<TVersionString>& strings, bool translation = true)
{
    strings.clear();
    for (const TVersionString& s : VersionStrings)
        if (std::strcmp(s.Key, key) != 0)
            strings.push_back(s);
    TVersionSource source = ProgramVersion;
    source.Strings = strings.data();
    source.StringCount = strings.size();
    source.HasTranslation = translation;
    return source;
}


std::map<int, std::string> AboutTexts(const std::string& programFile)
{
    THeadlessDesktop desktop;
    TWendAboutDlg about(nullptr, programFile);
    EXPECT_EQ(about.Execute(), IDOK);
    return desktop.Services().DialogRuns.at(0).Texts;
}

TEST(AboutBox, ShowsTheVersionAndCopyrightOfTheProgramsOwnRecord)
{
    TAppHarness run;
    run.Start();
    run.Frame().SendMessage(WM_COMMAND, CM_HELPABOUT);
    const auto& runs = run.Desktop().Services().DialogRuns;
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].ResourceId, 22000);
    EXPECT_EQ(runs[0].Caption, "About Vantor");
    EXPECT_EQ(runs[0].Owner, &run.Frame());
    EXPECT_EQ(runs[0].Texts.at(IDC_VERSION), "Version 1.0");
    EXPECT_EQ(runs[0].Texts.at(IDC_COPYRIGHT), Author::Copyright);
    EXPECT_EQ(runs[0].Texts.at(IDC_CONTACT), Author::EMailLine);
}

// The record's cases: each missing piece leaves its control's template text.
TEST(AboutBox, MissingPiecesLeaveTheTemplateTexts)
{
    TScratchDir dir;
    std::vector<TVersionString> strings;
    struct TCase {
        const char* Name;
        std::string File;
        std::string Version, Copyright;
    } cases[] = {
        {"whole record", ElfWith(VersionSectionName, VersionRecord::Build(ProgramVersion)), "Version 1.0", Author::Copyright},
        {"no ProductName", ElfWith(VersionSectionName, VersionRecord::Build(Without("ProductName", strings))), "Version", Author::Copyright},
    };
    for (const TCase& c : cases) {
        const auto texts = AboutTexts(dir.Write("program", c.File));
        EXPECT_EQ(texts.at(IDC_VERSION), c.Version) << c.Name;
        EXPECT_EQ(texts.at(IDC_COPYRIGHT), c.Copyright) << c.Name;
        EXPECT_EQ(texts.at(IDC_CONTACT), Author::EMailLine) << c.Name;
    }
    const std::string noTranslation = VersionRecord::Build(Without("none", strings, false));
    for (const std::string& file : {ElfWith(VersionSectionName, noTranslation), ElfWith("other", VersionRecord::Build(ProgramVersion)),
                                    std::string("not a program")}) {
        const auto texts = AboutTexts(dir.Write("program", file));
        EXPECT_EQ(texts.at(IDC_VERSION), "Version");
        EXPECT_EQ(texts.at(IDC_COPYRIGHT), "");
        EXPECT_EQ(texts.at(IDC_CONTACT), Author::EMailLine);
    }
}

TEST(AboutBox, ASpecialBuildStringTakesTheEmailLinesPlace)
{
    TScratchDir dir;
    std::vector<TVersionString> strings;
    TVersionSource source = Without("none", strings);
    strings.push_back({"SpecialBuild", "private build"});
    source.Strings = strings.data();
    source.StringCount = strings.size();
    EXPECT_EQ(AboutTexts(dir.Write("program", ElfWith(VersionSectionName, VersionRecord::Build(source)))).at(IDC_CONTACT), "private build");
}

TEST(VersionRecord, TheReaderAnswersThePathFormsAndKeepsTheTranslation)
{
    const TProjectRCVersion version;
    ASSERT_TRUE(version.HasRecord()) << "this program carries the record";
    EXPECT_EQ(version.Translation(), 0x040904E4u);
    std::string_view text;
    ASSERT_TRUE(version.ProductName(text));
    EXPECT_EQ(text, "Vantor");
    EXPECT_FALSE(version.SpecialBuild(text));
    const std::string record = *ReadExecutableSection("/proc/self/exe", VersionSectionName);
    EXPECT_EQ(VersionRecord::Query(record, "\\StringFileInfo\\040904E4\\FILEDESCRIPTION"), std::string_view("Vantor for Windows\0", 19));
    const auto fixed = VersionRecord::Query(record, "\\");
    ASSERT_TRUE(fixed);
    ASSERT_EQ(fixed->size(), 52u);
    uint32_t words[13];
    std::memcpy(words, fixed->data(), sizeof words);
    EXPECT_EQ(words[0], 0xFEEF04BDu);
    EXPECT_EQ(words[2], 0x00010000u) << "file version 1.0.0.0";
    EXPECT_EQ(words[9], 1u) << "an application";
}

// Damaged copies: cut anywhere, the reader finds nothing and does not read
// past the data.
TEST(VersionRecord, DamagedCopiesHoldNoRecord)
{
    const std::string whole = VersionRecord::Build(ProgramVersion);
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        const auto version = TProjectRCVersion::FromRecord(whole.substr(0, cut));
        std::string_view text;
        if (version.HasRecord() && version.ProductName(text)) {
            EXPECT_EQ(text, "Vantor") << cut;
        }
    }
    TScratchDir dir;
    const std::string file = ElfWith(VersionSectionName, whole);
    for (size_t cut : {size_t(10), sizeof(Elf64_Ehdr), file.size() - 1})
        EXPECT_FALSE(ReadExecutableSection(dir.Write("cut", file.substr(0, cut)), VersionSectionName)) << cut;
}

}  // namespace
