// Needs standard output to be a console, so it is not run by ctest on pipes
// but at a console in tmux (tests/windows/at_a_console.sh).
#include "console/windows/console_modes.h"

#include <gtest/gtest.h>

#include "console/console.h"

namespace {

constexpr DWORD kVirtualTerminal = ENABLE_VIRTUAL_TERMINAL_PROCESSING;

HANDLE Output() { return GetStdHandle(STD_OUTPUT_HANDLE); }

DWORD ModeOf(HANDLE console) {
  DWORD mode = 0;
  EXPECT_TRUE(GetConsoleMode(console, &mode));
  return mode;
}

// Stands for the system's default handler, which would end the process:
// called only when every handler installed after it, the program's among
// them, has passed the event on.
HANDLE ctrlCReachedTheEnd = CreateEventW(nullptr, TRUE, FALSE, nullptr);
BOOL WINAPI CatchCtrlC(DWORD event) {
  if (event != CTRL_C_EVENT) return FALSE;
  SetEvent(ctrlCReachedTheEnd);
  return TRUE;
}
// Installed before anything of the program's, as the system's handler is.
const BOOL catcherInstalled = SetConsoleCtrlHandler(CatchCtrlC, TRUE);

// Each test starts with virtual terminal processing off, as an older console
// would have it, and leaves the console as it found it.
class ConsoleModesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(catcherInstalled);
    ASSERT_TRUE(GetConsoleMode(Output(), &found_)) << "no console";
    ASSERT_TRUE(SetConsoleMode(Output(), found_ & ~kVirtualTerminal));
    before_ = ModeOf(Output());
  }
  void TearDown() override { SetConsoleMode(Output(), found_); }

  DWORD found_ = 0;
  DWORD before_ = 0;
};

TEST_F(ConsoleModesTest, PutBackWhenTheStreamsAreClosed) {
  EXPECT_EQ(PrepareClearing(), ClearMethod::kEscapeSequence);
  EXPECT_EQ(ModeOf(Output()) & kVirtualTerminal, kVirtualTerminal);
  EXPECT_EQ(CloseStandardStreams(), 0);
  EXPECT_EQ(ModeOf(Output()), before_);
}

TEST_F(ConsoleModesTest, PutBackOnCtrlCWhichStillEndsTheRun) {
  ASSERT_TRUE(TurnOnConsoleMode(Output(), kVirtualTerminal));
  EXPECT_EQ(ModeOf(Output()) & kVirtualTerminal, kVirtualTerminal);
  ResetEvent(ctrlCReachedTheEnd);
  ASSERT_TRUE(GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0));
  EXPECT_EQ(WaitForSingleObject(ctrlCReachedTheEnd, 5000), WAIT_OBJECT_0)
      << "Ctrl-C was not passed on to the handler that ends the run";
  EXPECT_EQ(ModeOf(Output()), before_);
}

}  // namespace
