#pragma once
// An executable's headers and imports, read from its file as the loader reads them.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace pe {

struct Import {
    std::string dll;       // as the import directory names it
    std::string function;  // its name, or "#<ordinal>" for an import by ordinal
};

struct Image {
    WORD machine = 0;
    WORD characteristics = 0;  // of the file header
    WORD magic = 0;            // PE32 or PE32+
    WORD dllCharacteristics = 0;
    WORD subsystem = 0;
    WORD majorSubsystemVersion = 0;
    WORD minorSubsystemVersion = 0;
    IMAGE_DATA_DIRECTORY relocations{};
    std::vector<Import> imports;
};

// The image in the file at path, or nullopt if it is not a well-formed PE image.
std::optional<Image> readImage(const std::wstring& path);

}  // namespace pe
