#include "host/elf/ElfSection.h"

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace host {
namespace {

constexpr std::uint8_t elfMagic[] = {0x7F, 'E', 'L', 'F'};
constexpr std::uint32_t SectionTypeNoBits = 8;
constexpr std::uint16_t SectionIndexExtended = 0xFFFF;

class FileReader {
public:
    explicit FileReader(const char* path) : fd(::open(path, O_RDONLY | O_CLOEXEC)) {
        struct stat info {};
        if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
            size = std::uint64_t(info.st_size);
    }
    ~FileReader() {
        if (fd >= 0)
            ::close(fd);
    }
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    std::uint64_t Size() const { return size; }

    // Reads exactly `length` bytes at `offset`; false when they are not all in the file.
    bool Read(std::uint64_t offset, void* out, std::uint64_t length) const {
        if (offset > size || length > size - offset)
            return false;
        auto* bytes = static_cast<char*>(out);
        while (length > 0) {
            const ssize_t got = ::pread(fd, bytes, length, off_t(offset));
            if (got <= 0)
                return false;
            bytes += got;
            offset += std::uint64_t(got);
            length -= std::uint64_t(got);
        }
        return true;
    }

private:
    int fd;
    std::uint64_t size = 0;
};

std::uint64_t Little(const std::uint8_t* bytes, int width) {
    std::uint64_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

struct SectionHeader {
    std::uint32_t name = 0;
    std::uint32_t type = 0;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    std::uint32_t link = 0;
};

// Where the fields of the two ELF classes lie.
struct Layout {
    int wordWidth;
    std::uint64_t sectionHeadersAt, entrySizeAt, countAt, namesIndexAt;
    std::uint64_t headerSize, sectionHeaderSize;
    std::uint64_t shOffsetAt, shSizeAt, shLinkAt;
};
constexpr Layout layout32{4, 32, 46, 48, 50, 52, 40, 16, 20, 24};
constexpr Layout layout64{8, 40, 58, 60, 62, 64, 64, 24, 32, 40};

class ElfFile {
public:
    ElfFile(const FileReader& file, const Layout& layout) : file(file), layout(layout) {}

    bool ReadHeader(const std::uint8_t* header) {
        sectionHeadersAt = Little(header + layout.sectionHeadersAt, layout.wordWidth);
        entrySize = Little(header + layout.entrySizeAt, 2);
        count = Little(header + layout.countAt, 2);
        namesIndex = Little(header + layout.namesIndexAt, 2);
        if (sectionHeadersAt == 0 || entrySize < layout.sectionHeaderSize)
            return false;
        // With many sections the real count and name-table index move into section header 0.
        if (count == 0 || namesIndex == SectionIndexExtended) {
            SectionHeader first;
            if (!ReadSectionHeader(0, first))
                return false;
            if (count == 0)
                count = first.size;
            if (namesIndex == SectionIndexExtended)
                namesIndex = first.link;
        }
        return count > 0 && count <= file.Size() / entrySize && sectionHeadersAt <= file.Size() &&
               count * entrySize <= file.Size() - sectionHeadersAt && namesIndex < count;
    }

    bool ReadSectionHeader(std::uint64_t index, SectionHeader& out) const {
        std::uint8_t bytes[64];
        if (!file.Read(sectionHeadersAt + index * entrySize, bytes, layout.sectionHeaderSize))
            return false;
        out.name = std::uint32_t(Little(bytes, 4));
        out.type = std::uint32_t(Little(bytes + 4, 4));
        out.offset = Little(bytes + layout.shOffsetAt, layout.wordWidth);
        out.size = Little(bytes + layout.shSizeAt, layout.wordWidth);
        out.link = std::uint32_t(Little(bytes + layout.shLinkAt, 4));
        return true;
    }

    std::optional<std::vector<std::uint8_t>> ReadContents(const SectionHeader& section) const {
        if (section.type == SectionTypeNoBits || section.size > MaxElfSectionSize)
            return std::nullopt;
        std::vector<std::uint8_t> contents(section.size);
        if (!file.Read(section.offset, contents.data(), section.size))
            return std::nullopt;
        return contents;
    }

    std::optional<std::vector<std::uint8_t>> FindSection(std::string_view name) const {
        SectionHeader namesHeader;
        if (!ReadSectionHeader(namesIndex, namesHeader))
            return std::nullopt;
        const auto names = ReadContents(namesHeader);
        if (!names)
            return std::nullopt;
        for (std::uint64_t i = 1; i < count; ++i) {
            SectionHeader section;
            if (!ReadSectionHeader(i, section))
                return std::nullopt;
            if (section.name >= names->size())
                continue;
            const auto* start = reinterpret_cast<const char*>(names->data()) + section.name;
            const std::size_t room = names->size() - section.name;
            if (::strnlen(start, room) == name.size() && std::memcmp(start, name.data(), name.size()) == 0)
                return ReadContents(section);
        }
        return std::nullopt;
    }

private:
    const FileReader& file;
    const Layout& layout;
    std::uint64_t sectionHeadersAt = 0, entrySize = 0, count = 0, namesIndex = 0;
};

} // namespace

std::optional<std::vector<std::uint8_t>> ReadElfSection(const char* path, std::string_view name) {
    if (!path)
        return std::nullopt;
    const FileReader file(path);
    std::uint8_t header[64];
    if (!file.Read(0, header, 16) || std::memcmp(header, elfMagic, sizeof elfMagic) != 0)
        return std::nullopt;
    const std::uint8_t elfClass = header[4], dataEncoding = header[5];
    if (dataEncoding != 1 || (elfClass != 1 && elfClass != 2))
        return std::nullopt;
    const Layout& layout = elfClass == 1 ? layout32 : layout64;
    if (!file.Read(0, header, layout.headerSize))
        return std::nullopt;
    ElfFile elf(file, layout);
    if (!elf.ReadHeader(header))
        return std::nullopt;
    return elf.FindSection(name);
}

} // namespace host
