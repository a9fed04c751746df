// The resources as stored in the built executables: templates, the About item's text, the icon
// and the version block of every program.

#include "DialogTemplate.h"
#include "ExpectedResources.h"
#include "ProgramRun.h"

#include "TestText.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr WORD kEnglishUS = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);  // 1033
constexpr WORD kRussian = MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT);        // 1049

using testtext::narrow;

BOOL CALLBACK collectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR list)
{
    reinterpret_cast<std::vector<WORD>*>(list)->push_back(language);
    return TRUE;
}

// String `index` of a string-table block (16 counted strings); empty when the block is cut short.
std::wstring stringFromBlock(const std::string& block, UINT index)
{
    const auto* p = reinterpret_cast<const wchar_t*>(block.data());
    const wchar_t* end = p + block.size() / 2;
    for (UINT i = 0; i < index && p < end; ++i)
        p += 1 + *p;
    return p < end && p + 1 + *p <= end ? std::wstring(p + 1, p + 1 + *p) : std::wstring();
}

class ProgramResources : public ::testing::TestWithParam<const wchar_t*> {
protected:
    void SetUp() override
    {
        path = wt::binDirectory() + program + L".exe";
        module = ::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, module) << narrow(path) << " is not built";
    }
    void TearDown() override
    {
        if (module != nullptr)
            ::FreeLibrary(module);
    }

    std::vector<WORD> languages(LPCWSTR type, LPCWSTR name) const
    {
        std::vector<WORD> found;
        ::EnumResourceLanguagesW(module, type, name, collectLanguage, reinterpret_cast<LONG_PTR>(&found));
        return found;
    }

    std::string resource(LPCWSTR type, LPCWSTR name, WORD language) const
    {
        const HRSRC info = ::FindResourceExW(module, type, name, language);
        if (info == nullptr)
            return {};
        const auto* data = static_cast<const char*>(::LockResource(::LoadResource(module, info)));
        return data != nullptr ? std::string(data, ::SizeofResource(module, info)) : std::string();
    }

    void expectTemplate(const wt::DialogTemplate& expected, UINT id) const
    {
        EXPECT_EQ(std::vector<WORD>{kEnglishUS}, languages(RT_DIALOG, MAKEINTRESOURCEW(id)));
        const std::string data = resource(RT_DIALOG, MAKEINTRESOURCEW(id), kEnglishUS);
        const auto actual = wt::parseDialogTemplate(data.data(), data.size());
        ASSERT_TRUE(actual.has_value()) << "template " << id << " is missing or cut short";
        EXPECT_EQ(expected.extended, actual->extended);
        EXPECT_EQ(expected.helpId, actual->helpId);
        EXPECT_EQ(expected.style, actual->style) << std::hex << "style differs by " << (expected.style ^ actual->style);
        EXPECT_EQ(expected.exStyle, actual->exStyle);
        EXPECT_EQ(expected.x, actual->x);
        EXPECT_EQ(expected.y, actual->y);
        EXPECT_EQ(expected.cx, actual->cx);
        EXPECT_EQ(expected.cy, actual->cy);
        EXPECT_EQ(L"", actual->menu);
        EXPECT_EQ(L"", actual->className);
        EXPECT_EQ(expected.title, actual->title);
        EXPECT_EQ(expected.pointSize, actual->pointSize);
        EXPECT_EQ(expected.weight, actual->weight);
        EXPECT_EQ(expected.italic, actual->italic);
        EXPECT_EQ(expected.charset, actual->charset);
        EXPECT_EQ(expected.typeface, actual->typeface);
        ASSERT_EQ(expected.controls.size(), actual->controls.size());
        for (size_t i = 0; i < expected.controls.size(); ++i) {
            const wt::TemplateControl& want = expected.controls[i];
            const wt::TemplateControl& got = actual->controls[i];
            SCOPED_TRACE("control #" + std::to_string(i + 1) + " (id " + std::to_string(want.id) + ")");
            EXPECT_EQ(want.id, got.id);
            EXPECT_EQ(want.className, got.className);
            if (want.text == wt::kAnyText)
                EXPECT_FALSE(got.text.empty());
            else
                EXPECT_EQ(want.text, got.text);
            EXPECT_EQ(want.x, got.x);
            EXPECT_EQ(want.y, got.y);
            EXPECT_EQ(want.cx, got.cx);
            EXPECT_EQ(want.cy, got.cy);
            EXPECT_EQ(want.style, got.style) << std::hex << "style differs by " << (want.style ^ got.style);
            EXPECT_EQ(want.exStyle, got.exStyle);
            EXPECT_EQ(want.helpId, got.helpId);
        }
    }

    std::wstring program = GetParam();
    std::wstring path;
    HMODULE module = nullptr;
};

TEST_P(ProgramResources, MainTemplate)
{
    expectTemplate(wt::expectedMainTemplate(program), 102);
}

TEST_P(ProgramResources, AboutTemplate)
{
    expectTemplate(wt::expectedAboutTemplate(program), 100);
}

TEST_P(ProgramResources, AboutItemText)
{
    // Its block holds ids 96 to 111, only 101 among them, and nothing else: byte for byte.
    const UINT id = 101;
    EXPECT_EQ(std::vector<WORD>{kEnglishUS}, languages(RT_STRING, MAKEINTRESOURCEW(id / 16 + 1)));
    const std::wstring text = L"&About " + program + L"...";
    std::wstring expected(16, L'\0');  // sixteen counted strings, all empty but 101
    expected.insert(id % 16 + 1, text);
    expected[id % 16] = static_cast<wchar_t>(text.size());
    const std::string block = resource(RT_STRING, MAKEINTRESOURCEW(id / 16 + 1), kEnglishUS);
    ASSERT_EQ(expected.size() * 2, block.size());
    EXPECT_EQ(expected, std::wstring(reinterpret_cast<const wchar_t*>(block.data()), block.size() / 2));
}

// The framework's own messages, in English and in Russian, in a block of their own.
TEST_P(ProgramResources, FrameworkMessagesInEnglishAndRussian)
{
    const struct {
        UINT id;
        const wchar_t* english;
        const wchar_t* russian;
    } messages[] = {
        {200, L"Please enter a number.", L"Введите число."},
        {201, L"No help is available for this program.", L"Для этой программы нет справки."},
        {202, L"There is not enough memory to go on. The program will end.",
         L"Недостаточно памяти, чтобы продолжить работу. Программа будет закрыта."},
    };
    const UINT block = 200 / 16 + 1;
    std::vector<WORD> found = languages(RT_STRING, MAKEINTRESOURCEW(block));
    std::sort(found.begin(), found.end());
    EXPECT_EQ((std::vector<WORD>{kEnglishUS, kRussian}), found);
    const std::string english = resource(RT_STRING, MAKEINTRESOURCEW(block), kEnglishUS);
    const std::string russian = resource(RT_STRING, MAKEINTRESOURCEW(block), kRussian);
    for (const auto& message : messages) {
        SCOPED_TRACE(message.id);
        EXPECT_EQ(message.english, stringFromBlock(english, message.id % 16));
        EXPECT_EQ(message.russian, stringFromBlock(russian, message.id % 16));
    }
}

// Both images, 32x32 and 16x16 in 16 colours, tagged Russian, the same in every program.
TEST_P(ProgramResources, Icon)
{
    EXPECT_EQ(std::vector<WORD>{kRussian}, languages(RT_GROUP_ICON, MAKEINTRESOURCEW(128)));
    const std::string group = resource(RT_GROUP_ICON, MAKEINTRESOURCEW(128), kRussian);
    ASSERT_GE(group.size(), 6u);
    const WORD count = *reinterpret_cast<const WORD*>(group.data() + 4);
    ASSERT_EQ(2, count);
    ASSERT_EQ(6u + 14u * count, group.size());

    const HMODULE reference = ::LoadLibraryExW((wt::binDirectory() + L"velmora4.exe").c_str(), nullptr,
                                               LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, reference);
    const BYTE expectedSizes[] = {32, 16};
    for (WORD i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        const char* entry = group.data() + 6 + 14 * i;
        EXPECT_EQ(expectedSizes[i], static_cast<BYTE>(entry[0]));   // width
        EXPECT_EQ(expectedSizes[i], static_cast<BYTE>(entry[1]));   // height
        EXPECT_EQ(16, static_cast<BYTE>(entry[2]));                 // colours
        EXPECT_EQ(4, *reinterpret_cast<const WORD*>(entry + 6));    // bits per pixel
        const WORD imageId = *reinterpret_cast<const WORD*>(entry + 12);
        const std::string image = resource(RT_ICON, MAKEINTRESOURCEW(imageId), kRussian);
        EXPECT_FALSE(image.empty());
        const HRSRC referenceInfo = ::FindResourceExW(reference, RT_ICON, MAKEINTRESOURCEW(imageId), kRussian);
        ASSERT_NE(nullptr, referenceInfo);
        const auto* referenceData = static_cast<const char*>(::LockResource(::LoadResource(reference, referenceInfo)));
        EXPECT_EQ(std::string(referenceData, ::SizeofResource(reference, referenceInfo)), image);
    }
    ::FreeLibrary(reference);
}

// Themed controls, DPI awareness, no elevation, the supported systems.
TEST_P(ProgramResources, Manifest)
{
    const std::string manifest = resource(RT_MANIFEST, MAKEINTRESOURCEW(1), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    ASSERT_FALSE(manifest.empty());
    const char* expected[] = {
        R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
        "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
        ">PerMonitorV2, PerMonitor, System</dpiAwareness>",
        R"(<requestedExecutionLevel level="asInvoker" uiAccess="false"/>)",
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
    };
    for (const char* text : expected)
        EXPECT_NE(std::string::npos, manifest.find(text)) << text;
}

TEST_P(ProgramResources, VersionBlock)
{
    EXPECT_EQ(std::vector<WORD>{kEnglishUS}, languages(RT_VERSION, MAKEINTRESOURCEW(1)));
    const std::string raw = resource(RT_VERSION, MAKEINTRESOURCEW(1), kEnglishUS);
    ASSERT_FALSE(raw.empty());
    std::string block = raw;  // the queries below need a writable copy

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(0x00010000u, fixed->dwFileVersionMS);
    EXPECT_EQ(0x00000001u, fixed->dwFileVersionLS);
    EXPECT_EQ(0x00010000u, fixed->dwProductVersionMS);
    EXPECT_EQ(0x00000001u, fixed->dwProductVersionLS);
    EXPECT_EQ(0x3Fu, fixed->dwFileFlagsMask);
    EXPECT_EQ(0x1u, fixed->dwFileFlags);
    EXPECT_EQ(0x4u, fixed->dwFileOS);
    EXPECT_EQ(0x1u, fixed->dwFileType);
    EXPECT_EQ(0x0u, fixed->dwFileSubtype);
    EXPECT_EQ(0x0u, fixed->dwFileDateMS);
    EXPECT_EQ(0x0u, fixed->dwFileDateLS);

    WORD* translation = nullptr;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                                 &length));
    ASSERT_EQ(4u, length);
    EXPECT_EQ(0x0409, translation[0]);
    EXPECT_EQ(0x04B0, translation[1]);

    // One string table, keyed exactly so.
    const std::wstring key = L"040904B0";
    EXPECT_NE(std::string::npos, raw.find(std::string(reinterpret_cast<const char*>(key.c_str()), key.size() * 2)));

    const std::pair<const wchar_t*, std::wstring> values[] = {
        {L"CompanyName", L""},
        {L"FileDescription", program + L" Win32 Application"},
        {L"FileVersion", L"1, 0, 0, 1"},
        {L"InternalName", program},
        {L"LegalCopyright", wt::kAnyText},
        {L"LegalTrademarks", L""},
        {L"OriginalFilename", program + L".EXE"},
        {L"ProductName", program + L" Application"},
        {L"ProductVersion", L"1, 0, 0, 1"},
    };
    for (const auto& [name, expected] : values) {
        SCOPED_TRACE(narrow(name));
        wchar_t* value = nullptr;
        const std::wstring query = L"\\StringFileInfo\\" + key + L"\\" + name;
        ASSERT_TRUE(::VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length));
        const std::wstring actual = length > 0 ? std::wstring(value) : std::wstring();
        if (expected == wt::kAnyText)
            EXPECT_NE(std::wstring::npos, actual.find(L"2026"));
        else
            EXPECT_EQ(expected, actual);
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramResources, ::testing::Values(L"velmora2", L"velmora3", L"velmora4", L"varnix"),
                         [](const ::testing::TestParamInfo<const wchar_t*>& info) { return narrow(info.param); });

// DS_FIXEDSYS shares a bit with DS_SHELLFONT, but only DS_SETFONT puts font fields in a template:
// a reader that took the one for the other read the control as the font.
TEST(DialogTemplateReader, FixedSysWithoutSetFontHasNoFont)
{
    const WORD data[] = {
        LOWORD(WS_POPUP | DS_FIXEDSYS), HIWORD(WS_POPUP | DS_FIXEDSYS), 0, 0,  // style, extended style
        1, 10, 20, 100, 50,                                                  // one control; x, y, cx, cy
        0, 0, L'T', 0,                                                       // no menu, no class; title
        0,                                                                   // to a DWORD boundary
        LOWORD(WS_CHILD | BS_PUSHBUTTON), HIWORD(WS_CHILD | BS_PUSHBUTTON), 0, 0,
        5, 6, 40, 14, IDOK, 0xFFFF, 0x0080, L'O', L'K', 0, 0,                // a button "OK", no creation data
    };
    const auto dialog = wt::parseDialogTemplate(data, sizeof data);
    ASSERT_TRUE(dialog.has_value());
    EXPECT_EQ(L"T", dialog->title);
    EXPECT_EQ(0, dialog->pointSize);
    EXPECT_EQ(L"", dialog->typeface);
    ASSERT_EQ(1u, dialog->controls.size());
    EXPECT_EQ(IDOK, dialog->controls[0].id);
    EXPECT_EQ(L"Button", dialog->controls[0].className);
    EXPECT_EQ(L"OK", dialog->controls[0].text);
    EXPECT_EQ(5, dialog->controls[0].x);
}

}  // namespace
