// velmora3 in the user's own number format and language: run once per locale (LC_ALL set by the
// test registration), through the real dialog manager.

#include "Velmora3Ui.h"
#include "DialogRun.h"
#include "RecordingPlatform.h"

#include "AppObject.h"
#include "velmora3Dlg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

extern shell::AppObject<ReliabilityDialog> theApp;

namespace {

using namespace velmora3ui;

struct Locale {
    const char* name;      // as in LC_ALL
    LANGID language;       // what Wine must have taken from it
    wchar_t separator;
    const wchar_t* unreadable;  // the framework's prompt for a box it cannot read
};

constexpr Locale kLocales[] = {
    {"ru_RU.UTF-8", 0x0419, L',', L"Введите число."},
    {"de_DE.UTF-8", 0x0407, L',', L"Please enter a number."},
    {"C.UTF-8", 0x0409, L'.', L"Please enter a number."},
};

const Locale* currentLocale()
{
    const char* name = std::getenv("LC_ALL");
    for (const Locale& locale : kLocales) {
        if (name != nullptr && std::strcmp(name, locale.name) == 0)
            return &locale;
    }
    return nullptr;
}

// A number text with '.' as written here, in the locale's separator.
std::wstring local(std::wstring text, wchar_t separator)
{
    for (wchar_t& c : text) {
        if (c == L'.')
            c = separator;
    }
    return text;
}

class Velmora3InLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        locale = currentLocale();
        ASSERT_NE(nullptr, locale) << "run with LC_ALL set to one of the locales of this test";
        ASSERT_EQ(locale->language, ::GetUserDefaultLangID()) << "Wine did not take the locale " << locale->name;
        ASSERT_EQ(locale->language, ::GetThreadUILanguage());
        reliabilityModel = ReliabilityModel{};
    }

    INT_PTR run(const std::function<void(wt::Ui&)>& script)
    {
        ReliabilityDialog dialog(nullptr);
        return wt::runAsMainWindow(theApp, dialog, script);
    }

    const Locale* locale = nullptr;
    wt::RecordingPlatform platform;
};

TEST_F(Velmora3InLocale, ShowsPWithTheLocalesSeparatorAndXThenReadsItBack)
{
    const INT_PTR result = run([&](wt::Ui& ui) {
        ui.setText(kTst, L"100");
        ui.setText(kT, L"10");
        ui.click(kRun);
        ui.sync();
        EXPECT_EQ(local(L"0.9048374180359595", locale->separator), ui.text(kP));
        ui.click(kX);
        EXPECT_TRUE(ui.waitUntilClosed()) << "X did not end the program: P did not read back";
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(platform.messageBoxes().empty());
}

TEST_F(Velmora3InLocale, ReadsThePointAlwaysAndTheCommaWhereItIsTheSeparator)
{
    run([&](wt::Ui& ui) {
        ui.setText(kTst, L"0,5");
        ui.setText(kT, L"0.5");
        ui.click(kRun);
        if (locale->separator == L',') {
            ui.sync();
            EXPECT_EQ(L"0,36787944117144233", ui.text(kP));
            EXPECT_EQ(L"0,5", ui.text(kTst));
            EXPECT_EQ(L"0,5", ui.text(kT)) << "a box is rewritten in the locale's form";
        } else {
            const HWND box = ui.waitForOtherDialog();
            ASSERT_NE(nullptr, box) << "\"0,5\" was read where ',' is no separator";
            EXPECT_EQ(locale->unreadable, wt::messageBoxText(box));
            EXPECT_TRUE(wt::dismiss(box));
        }
    });
}

TEST_F(Velmora3InLocale, ReportsAnUnreadableBoxInTheUsersLanguage)
{
    run([&](wt::Ui& ui) {
        ui.setText(kTst, L"1,000.5");
        ui.click(kRun);
        const HWND box = ui.waitForOtherDialog();
        ASSERT_NE(nullptr, box);
        EXPECT_EQ(locale->unreadable, wt::messageBoxText(box));
        EXPECT_EQ(theApp.name(), wt::text(box));
        EXPECT_TRUE(wt::dismiss(box));
    });
}

}  // namespace
