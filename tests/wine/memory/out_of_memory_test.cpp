// When the heap has nothing left, a program tells the user so and ends, rather than crash.

#include "Driver.h"
#include "ProgramRun.h"

#include "OutOfMemory.h"

#include <gtest/gtest.h>

TEST(OutOfMemory, TellsTheUserInABoxCaptionedWithTheProgramsNameAndEnds)
{
    const wt::ProgramRun probe(L"out_of_memory_probe.exe");
    ASSERT_TRUE(probe.started());
    const HWND box = probe.window();
    ASSERT_NE(nullptr, box) << "no box before the program ended";
    EXPECT_EQ(L"There is not enough memory to go on. The program will end.", wt::messageBoxText(box));
    EXPECT_EQ(L"out_of_memory_probe", wt::text(box));
    ASSERT_TRUE(wt::dismiss(box));
    ASSERT_TRUE(probe.waitForExit());
    EXPECT_EQ(shell::kOutOfMemoryExitCode, probe.exitCode());
}
