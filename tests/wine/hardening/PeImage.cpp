#include "PeImage.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace pe {
namespace {

template <class T>
bool readAt(const std::string& file, size_t offset, T& value)
{
    if (offset > file.size() || file.size() - offset < sizeof(T))
        return false;
    std::memcpy(&value, file.data() + offset, sizeof(T));
    return true;
}

// A NUL-terminated name at offset, or nullopt if it runs past the file.
std::optional<std::string> nameAt(const std::string& file, size_t offset)
{
    const size_t end = offset < file.size() ? file.find('\0', offset) : std::string::npos;
    if (end == std::string::npos)
        return std::nullopt;
    return file.substr(offset, end - offset);
}

class Sections {
public:
    Sections(const std::string& file, size_t offset, WORD count)
    {
        for (WORD index = 0; index < count; ++index) {
            IMAGE_SECTION_HEADER section{};
            if (readAt(file, offset + index * sizeof section, section))
                sections_.push_back(section);
        }
    }
    // The file offset of a relative virtual address, or nullopt if no section holds it.
    std::optional<size_t> offsetOf(DWORD rva) const
    {
        for (const IMAGE_SECTION_HEADER& section : sections_) {
            const DWORD size = section.SizeOfRawData > 0 ? section.SizeOfRawData : section.Misc.VirtualSize;
            if (rva >= section.VirtualAddress && rva - section.VirtualAddress < size)
                return static_cast<size_t>(rva - section.VirtualAddress) + section.PointerToRawData;
        }
        return std::nullopt;
    }

private:
    std::vector<IMAGE_SECTION_HEADER> sections_;
};

template <class Thunk>
bool readImports(const std::string& file, const Sections& sections, DWORD directory, std::vector<Import>& imports)
{
    constexpr Thunk byOrdinal = Thunk{1} << (sizeof(Thunk) * 8 - 1);
    const std::optional<size_t> first = sections.offsetOf(directory);
    if (!first)
        return false;
    for (size_t at = *first;; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        IMAGE_IMPORT_DESCRIPTOR descriptor{};
        if (!readAt(file, at, descriptor))
            return false;
        if (descriptor.Name == 0)
            return true;
        const std::optional<size_t> nameOffset = sections.offsetOf(descriptor.Name);
        const std::optional<std::string> dll = nameOffset ? nameAt(file, *nameOffset) : std::nullopt;
        const DWORD lookup = descriptor.OriginalFirstThunk != 0 ? descriptor.OriginalFirstThunk : descriptor.FirstThunk;
        const std::optional<size_t> thunks = sections.offsetOf(lookup);
        if (!dll || !thunks)
            return false;
        for (size_t thunkAt = *thunks;; thunkAt += sizeof(Thunk)) {
            Thunk thunk = 0;
            if (!readAt(file, thunkAt, thunk))
                return false;
            if (thunk == 0)
                break;
            if (thunk & byOrdinal) {
                imports.push_back({*dll, "#" + std::to_string(thunk & 0xFFFF)});
                continue;
            }
            // IMAGE_IMPORT_BY_NAME: a hint, then the name.
            const std::optional<size_t> byName = sections.offsetOf(static_cast<DWORD>(thunk));
            const std::optional<std::string> function = byName ? nameAt(file, *byName + sizeof(WORD)) : std::nullopt;
            if (!function)
                return false;
            imports.push_back({*dll, *function});
        }
    }
}

template <class OptionalHeader, class Thunk>
bool readOptionalHeader(const std::string& file, size_t offset, const Sections& sections, Image& image)
{
    OptionalHeader optional{};
    if (!readAt(file, offset, optional) || optional.NumberOfRvaAndSizes <= IMAGE_DIRECTORY_ENTRY_BASERELOC)
        return false;
    image.dllCharacteristics = optional.DllCharacteristics;
    image.subsystem = optional.Subsystem;
    image.majorSubsystemVersion = optional.MajorSubsystemVersion;
    image.minorSubsystemVersion = optional.MinorSubsystemVersion;
    image.relocations = optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_BASERELOC];
    const IMAGE_DATA_DIRECTORY imports = optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    return imports.VirtualAddress == 0 || readImports<Thunk>(file, sections, imports.VirtualAddress, image.imports);
}

}  // namespace

std::optional<Image> readImage(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    IMAGE_DOS_HEADER dos{};
    DWORD signature = 0;
    IMAGE_FILE_HEADER fileHeader{};
    if (!readAt(file, 0, dos) || dos.e_magic != IMAGE_DOS_SIGNATURE || dos.e_lfanew < 0)
        return std::nullopt;
    const auto pe = static_cast<size_t>(dos.e_lfanew);
    if (!readAt(file, pe, signature) || signature != IMAGE_NT_SIGNATURE
        || !readAt(file, pe + sizeof signature, fileHeader))
        return std::nullopt;
    Image image;
    image.machine = fileHeader.Machine;
    image.characteristics = fileHeader.Characteristics;
    const size_t optional = pe + sizeof signature + sizeof fileHeader;
    const Sections sections(file, optional + fileHeader.SizeOfOptionalHeader, fileHeader.NumberOfSections);
    if (!readAt(file, optional, image.magic))
        return std::nullopt;
    const bool read = image.magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC
                          ? readOptionalHeader<IMAGE_OPTIONAL_HEADER64, ULONGLONG>(file, optional, sections, image)
                          : readOptionalHeader<IMAGE_OPTIONAL_HEADER32, DWORD>(file, optional, sections, image);
    return read ? std::optional<Image>(image) : std::nullopt;
}

}  // namespace pe
