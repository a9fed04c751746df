// The oldest Windows the programs run on, Windows Vista (NT 6.0): their headers declare it, and
// they import no function that Vista lacks (AllowedImports.h).

#include "AllowedImports.h"
#include "BuiltPrograms.h"
#include "PeImage.h"
#include "ProgramRun.h"

#include "TestText.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

using testtext::narrow;

std::optional<pe::Image> programImage(const std::wstring& program)
{
    return pe::readImage(wt::binDirectory() + program + L".exe");
}

bool allowed(const pe::Import& import)
{
    return std::any_of(std::begin(allowed::kImports), std::end(allowed::kImports), [&](const allowed::Import& entry) {
        return _stricmp(entry.dll, import.dll.c_str()) == 0 && import.function == entry.function;
    });
}

TEST(Platform, EveryProgramDeclaresWindowsVistaAsTheOldestItRunsOn)
{
    ASSERT_FALSE(builtPrograms().empty());
    for (const std::wstring& program : builtPrograms()) {
        SCOPED_TRACE(narrow(program));
        const std::optional<pe::Image> image = programImage(program);
        ASSERT_TRUE(image.has_value()) << "not a PE image";
        EXPECT_EQ(IMAGE_SUBSYSTEM_WINDOWS_GUI, image->subsystem);
        EXPECT_EQ(6, image->majorSubsystemVersion) << "subsystem version " << image->majorSubsystemVersion << "."
                                                   << image->minorSubsystemVersion;
        EXPECT_EQ(0, image->minorSubsystemVersion);
    }
}

TEST(Platform, EveryProgramImportsOnlyFunctionsWindowsVistaHas)
{
    ASSERT_FALSE(builtPrograms().empty());
    for (const std::wstring& program : builtPrograms()) {
        SCOPED_TRACE(narrow(program));
        const std::optional<pe::Image> image = programImage(program);
        ASSERT_TRUE(image.has_value()) << "not a PE image";
        // A dialog program shows its window through USER32: no imports read means a misread table.
        ASSERT_TRUE(std::any_of(image->imports.begin(), image->imports.end(),
                                [](const pe::Import& import) { return _stricmp(import.dll.c_str(), "USER32.dll") == 0; }))
            << "no import from USER32.dll read";
        std::string offending;
        for (const pe::Import& import : image->imports) {
            if (!allowed(import))
                offending += " " + import.dll + "!" + import.function;
        }
        EXPECT_EQ("", offending) << "imports outside the table of functions Windows Vista has (AllowedImports.h)";
    }
}

}  // namespace
