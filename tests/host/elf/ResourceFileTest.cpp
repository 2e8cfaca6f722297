// Resources read from ELF files: the damage a file may carry is refused before anything is read.

#include "host/ResourceTypes.h"
#include "host/elf/ElfResources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <elf.h>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::vector<std::uint8_t> bytes(std::size_t(std::max<std::streamoff>(in.tellg(), 0)));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    return bytes;
}

// An ELF file's bytes with the means to find and damage its parts.
struct ElfImage {
    std::vector<std::uint8_t> bytes;
    Elf64_Ehdr header{};

    Elf64_Shdr Section(std::size_t index) const {
        Elf64_Shdr section;
        std::memcpy(&section, bytes.data() + header.e_shoff + index * header.e_shentsize, sizeof section);
        return section;
    }
    std::size_t SectionIndex(const char* name) const {
        const Elf64_Shdr names = Section(header.e_shstrndx);
        for (std::size_t i = 1; i < header.e_shnum; ++i) {
            if (std::strcmp(
                    reinterpret_cast<const char*>(bytes.data() + names.sh_offset + Section(i).sh_name),
                    name) == 0)
                return i;
        }
        ADD_FAILURE() << "no section " << name;
        return 0;
    }
    std::uint64_t SectionField(const char* name, std::size_t fieldOffset) const {
        return header.e_shoff + SectionIndex(name) * header.e_shentsize + fieldOffset;
    }
    std::uint64_t BlobStart() const { return Section(SectionIndex(".tnres")).sh_offset; }
    template <typename T> void Poke(std::uint64_t offset, T value) {
        std::memcpy(bytes.data() + offset, &value, sizeof value);
    }
};

// Copies of this test program, damaged and registered.
class DamagedModule : public ::testing::Test {
protected:
    void SetUp() override {
        image.bytes = ReadAll("/proc/self/exe");
        ASSERT_GT(image.bytes.size(), sizeof(Elf64_Ehdr));
        std::memcpy(&image.header, image.bytes.data(), sizeof image.header);
        ASSERT_EQ(image.header.e_ident[EI_CLASS], ELFCLASS64);
        path = ::testing::TempDir() + "tn_module_" + std::to_string(::getpid());
    }
    void TearDown() override { std::remove(path.c_str()); }

    host::ResourceModule Register(const std::vector<std::uint8_t>& file) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
        out.close();
        return host::RegisterResourceFile(path.c_str());
    }

    ElfImage image;
    std::string path;
};

TEST_F(DamagedModule, AnIntactCopyRegisters) {
    const host::ResourceModule module = Register(image.bytes);
    ASSERT_NE(module, host::NoResourceModule);
    host::ResourceModuleScope scope(module);
    std::string text;
    EXPECT_TRUE(host::GetResourceString(text, 32500, 1));
    host::RemoveResourceModule(module);
}

TEST_F(DamagedModule, EveryDamageIsRefused) {
    const struct {
        const char* what;
        std::function<void(ElfImage&)> damage;
    } damages[] = {
        {"section headers beyond the file", [](ElfImage& m) { m.Poke<Elf64_Off>(0x28, m.bytes.size()); }},
        {"section header entries too small", [](ElfImage& m) { m.Poke<Elf64_Half>(0x3A, 16); }},
        {"name table index beyond the headers",
         [](ElfImage& m) { m.Poke<Elf64_Half>(0x3E, m.header.e_shnum); }},
        {"section headers running past the file's end",
         [](ElfImage& m) {
             m.Poke<Elf64_Off>(0x28, m.bytes.size() - m.header.e_shnum * m.header.e_shentsize + 1);
         }},
        {"one section more than the file holds",
         [](ElfImage& m) {
             const auto fitting = (m.bytes.size() - m.header.e_shoff) / m.header.e_shentsize;
             m.Poke<Elf64_Half>(0x3C, Elf64_Half(fitting + 1));
         }},
        {"section bytes beyond the file",
         [](ElfImage& m) { m.Poke<Elf64_Off>(m.SectionField(".tnres", 24), m.bytes.size() - 8); }},
        {"section size wrapping around",
         [](ElfImage& m) { m.Poke<Elf64_Xword>(m.SectionField(".tnres", 32), ~Elf64_Xword(0) - 8); }},
        {"section without bytes in the file",
         [](ElfImage& m) { m.Poke<Elf64_Word>(m.SectionField(".tnres", 4), SHT_NOBITS); }},
        {"section renamed",
         [](ElfImage& m) {
             const Elf64_Shdr names = m.Section(m.header.e_shstrndx);
             m.bytes[names.sh_offset + m.Section(m.SectionIndex(".tnres")).sh_name + 5] = 'z';
         }},
        {"section name offset beyond the name table",
         [](ElfImage& m) { m.Poke<Elf64_Word>(m.SectionField(".tnres", 0), 0x7FFFFFFF); }},
        {"blob magic", [](ElfImage& m) { m.bytes[m.BlobStart()] = 'X'; }},
        {"blob version", [](ElfImage& m) { m.Poke<std::uint32_t>(m.BlobStart() + 4, 2); }},
        {"blob entry count", [](ElfImage& m) { m.Poke<std::uint32_t>(m.BlobStart() + 8, 0x10000000); }},
        {"blob larger than its section",
         [](ElfImage& m) { m.Poke<std::uint32_t>(m.BlobStart() + 12, 0xFFFFFFF0); }},
        {"entry beyond the blob",
         [](ElfImage& m) { m.Poke<std::uint32_t>(m.BlobStart() + 16 + 12, 0xFFFFFFF0); }},
        {"entry inside the table", [](ElfImage& m) { m.Poke<std::uint32_t>(m.BlobStart() + 16 + 8, 4); }},
        {"entries repeated",
         [](ElfImage& m) {
             std::memcpy(m.bytes.data() + m.BlobStart() + 32, m.bytes.data() + m.BlobStart() + 16, 16);
         }},
        {"64-bit class turned 32-bit", [](ElfImage& m) { m.bytes[EI_CLASS] = ELFCLASS32; }},
        {"big-endian", [](ElfImage& m) { m.bytes[EI_DATA] = ELFDATA2MSB; }},
        {"truncated", [](ElfImage& m) { m.bytes.resize(m.bytes.size() / 2); }},
        {"headers only", [](ElfImage& m) { m.bytes.resize(sizeof(Elf64_Ehdr)); }},
    };
    const host::ResourceModule active = host::GetActiveResourceModule();
    for (const auto& d : damages) {
        ElfImage copy = image;
        d.damage(copy);
        EXPECT_EQ(Register(copy.bytes), host::NoResourceModule) << d.what;
    }
    EXPECT_EQ(host::GetActiveResourceModule(), active);
}

TEST(ResourceModules, FilesWithoutResourcesAreRefused) {
    const std::string text = ::testing::TempDir() + "tn_not_elf_" + std::to_string(::getpid());
    std::ofstream(text) << "\x7F"
                           "ELF is what this is not\n";
    const std::string noSection = TN_PLATFORM_LIBRARY;
    for (const char* path :
         {text.c_str(), noSection.c_str(), "/nonexistent/file", "/proc/self", "", "/dev/null"})
        EXPECT_EQ(host::RegisterResourceFile(path), host::NoResourceModule) << path;
    EXPECT_EQ(host::RegisterResourceFile(nullptr), host::NoResourceModule);
    std::remove(text.c_str());
}

} // namespace
