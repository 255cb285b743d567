#include "framework/ExecutableSection.h"

#include <elf.h>

#include <cstring>
#include <fstream>
#include <vector>

namespace {

// Reads count bytes at offset; false when the file is shorter.
bool ReadAt(std::ifstream& in, uint64_t offset, void* out, size_t count)
{
    in.clear();
    in.seekg(std::streamoff(offset));
    if (!in)
        return false;
    in.read(static_cast<char*>(out), std::streamsize(count));
    return size_t(in.gcount()) == count;
}

}  // namespace

std::optional<std::string> ReadExecutableSection(const std::string& path, const std::string& sectionName)
{
    std::ifstream in(path, std::ios::binary);
    Elf64_Ehdr header{};
    if (!in || !ReadAt(in, 0, &header, sizeof header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_shentsize != sizeof(Elf64_Shdr) ||
        header.e_shstrndx >= header.e_shnum)
        return std::nullopt;
    std::vector<Elf64_Shdr> sections(header.e_shnum);
    if (!ReadAt(in, header.e_shoff, sections.data(), sections.size() * sizeof(Elf64_Shdr)))
        return std::nullopt;
    const Elf64_Shdr& names = sections[header.e_shstrndx];
    std::string nameTable(names.sh_size, '\0');
    if (nameTable.empty() || !ReadAt(in, names.sh_offset, nameTable.data(), nameTable.size()))
        return std::nullopt;
    for (const Elf64_Shdr& s : sections) {
        if (s.sh_name >= nameTable.size() || s.sh_type == SHT_NOBITS)
            continue;
        if (sectionName != nameTable.c_str() + s.sh_name)
            continue;
        // Sizes come from the file: the section must lie inside it.
        std::string bytes(s.sh_size, '\0');
        if (s.sh_size > (uint64_t(1) << 30) || (s.sh_size > 0 && !ReadAt(in, s.sh_offset, bytes.data(), bytes.size())))
            return std::nullopt;
        return bytes;
    }
    return std::nullopt;
}
