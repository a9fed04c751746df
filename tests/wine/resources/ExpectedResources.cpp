#include "ExpectedResources.h"

#include <map>

namespace wt {
namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kMainStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

DialogTemplate mainTemplate(const wchar_t* title, DWORD style, short cx, short cy, WORD pointSize,
                            std::vector<TemplateControl> controls)
{
    DialogTemplate t;
    t.extended = true;
    t.exStyle = WS_EX_APPWINDOW;
    t.style = style;
    t.cx = cx;
    t.cy = cy;
    t.title = title;
    t.pointSize = pointSize;
    t.weight = 0;
    t.italic = 0;
    t.charset = DEFAULT_CHARSET;
    t.typeface = L"MS Sans Serif";
    t.controls = std::move(controls);
    return t;
}

// Rows read like the control tables: id, class, text, x, y, width, height, style, extended style.
TemplateControl row(int id, const wchar_t* className, const wchar_t* text, short x, short y, short cx, short cy,
                    DWORD style, DWORD exStyle = 0)
{
    TemplateControl c;
    c.id = id;
    c.className = className;
    c.text = text;
    c.x = x;
    c.y = y;
    c.cx = cx;
    c.cy = cy;
    c.style = style;
    c.exStyle = exStyle;
    return c;
}

DialogTemplate velmora4Main()
{
    constexpr DWORD button = kChild | WS_TABSTOP | BS_PUSHBUTTON;
    return mainTemplate(L"velmora4", kMainStyle, 320, 200, 8,
                        {
                            row(IDOK, L"Button", L"SAY HELLO!", 143, 17, 127, 69, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON),
                            row(IDCANCEL, L"Button", L"EXIT", 61, 50, 50, 84, button),
                            row(1000, L"Button", L"Beep", 50, 143, 85, 38, button),
                        });
}

DialogTemplate velmora3Main()
{
    constexpr DWORD edit = kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
    constexpr DWORD label = kChild | SS_LEFT | WS_GROUP;
    constexpr DWORD button = kChild | BS_PUSHBUTTON | WS_TABSTOP;
    return mainTemplate(L"", kMainStyle, 201, 143, 8,
                        {
                            row(-1, L"Button", L"Vychislenie blablabla", 7, 7, 187, 129, kChild | BS_GROUPBOX),
                            row(1000, L"Edit", L"", 108, 33, 62, 13, edit),
                            row(1001, L"Edit", L"", 107, 54, 62, 13, edit),
                            row(1002, L"Edit", L"", 107, 74, 62, 13, edit),
                            row(-1, L"Static", L"Srednee Vremya - Tst", 35, 35, 70, 10, label),
                            row(-1, L"Static", L"Vremya - T", 69, 56, 37, 10, label),
                            row(-1, L"Static", L"Nadeznost - P", 59, 75, 47, 10, label),
                            row(1003, L"Button", L"RUN", 21, 95, 137, 34, button),
                            row(1004, L"Button", L"X", 180, 125, 14, 11, button),
                        });
}

DialogTemplate velmora2Main()
{
    return mainTemplate(L"TEST", kMainStyle | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 320, 201, 8,
                        {
                            row(IDOK, L"Button", L"&test", 47, 113, 53, 37, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON),
                            row(IDCANCEL, L"Button", L"&clear", 118, 134, 150, 33, kChild | WS_TABSTOP | BS_PUSHBUTTON),
                            row(-1, L"Button", L"TEST", 17, 28, 279, 147, kChild | BS_GROUPBOX),
                            row(-1, L"Static", L"Ну типа чтоб пейнт открыть введите 1, калькулятор - 2, чтоб выйти - 3",
                                87, 45, 150, 24, kChild | WS_GROUP | SS_LEFT),
                            row(1000, L"Edit", L"", 74, 71, 151, 38,
                                kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL),
                            row(1001, L"Button", L"Сваливаем!!!", 198, 177, 101, 17, kChild | WS_TABSTOP | BS_PUSHBUTTON,
                                WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME),
                            row(1002, L"Button", L"&visible", 24, 82, 40, 9, kChild | WS_TABSTOP | BS_AUTOCHECKBOX),
                            row(1003, L"Button", L"&enabled", 145, 121, 115, 10, kChild | WS_TABSTOP | BS_AUTOCHECKBOX),
                        });
}

DialogTemplate varnixMain()
{
    constexpr DWORD button = kChild | WS_TABSTOP | BS_PUSHBUTTON;
    constexpr DWORD checkBox = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;
    return mainTemplate(L"The Test Program", kMainStyle | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 297, 169, 10,
                        {
                            row(-1, L"Button", L"test", 17, 17, 273, 119, kChild | BS_GROUPBOX),
                            row(1000, L"Button", L"E&xit", 99, 142, 99, 13, button,
                                WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME),
                            row(1001, L"Button", L"&Test", 24, 117, 77, 13, button),
                            row(1002, L"Button", L"&Clear", 200, 115, 83, 14, button),
                            row(1003, L"Edit", L"", 91, 78, 117, 19,
                                kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL),
                            row(-1, L"Static",
                                L"INSTRUCTIONS: To execute the Paint program: type Paint in the edit box. To execute "
                                L"the Calculator program, type Calculator in the edit box. To terminate the program, "
                                L"type Exit in the edit box.",
                                23, 26, 261, 31, kChild | SS_LEFT | WS_GROUP),
                            row(1004, L"Button", L"&Visible", 41, 104, 37, 10, checkBox),
                            row(1005, L"Button", L"&Enabled", 220, 102, 42, 10, checkBox),
                        });
}

}  // namespace

DialogTemplate expectedAboutTemplate(const std::wstring& program)
{
    DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    t.cx = 235;
    t.cy = 55;
    t.title = L"About " + program;
    t.pointSize = 8;
    t.typeface = L"MS Sans Serif";
    t.controls = {
        row(-1, L"Static", L"#128", 11, 17, 20, 20, kChild | SS_ICON),
        row(-1, L"Static", (program + L" Version 1.0").c_str(), 40, 10, 119, 8, kChild | SS_LEFT | SS_NOPREFIX | WS_GROUP),
        row(-1, L"Static", kAnyText, 40, 25, 119, 8, kChild | SS_LEFT | WS_GROUP),
        row(IDOK, L"Button", L"OK", 178, 7, 50, 14, kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP),
    };
    return t;
}

DialogTemplate expectedMainTemplate(const std::wstring& program)
{
    static const std::map<std::wstring, DialogTemplate (*)()> templates = {
        {L"velmora2", velmora2Main},
        {L"velmora3", velmora3Main},
        {L"velmora4", velmora4Main},
        {L"varnix", varnixMain},
    };
    const auto found = templates.find(program);
    return found != templates.end() ? found->second() : DialogTemplate{};
}

}  // namespace wt
