// The built program on a real (pseudo-)terminal, driven as a person drives
// it: each prompt must be on the screen before anything is typed, each new
// screen must start with the clear sequence, and the terminal's own line
// editing, Ctrl-D and Ctrl-C must work as in any console program. The same
// session on pipes must carry no escape sequence at all.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "support/piped_run.h"
#include "support/pty_session.h"
#include "terminal/session_script.h"

namespace {

const std::string kProgram = QUILLARY_PROGRAM;

// What the terminal shows for text the program writes: ONLCR turns each
// "\n" into "\r\n".
std::string OnTerminal(std::string_view written) {
  std::string shown;
  for (const char c : written) {
    if (c == '\n') shown += '\r';
    shown += c;
  }
  return shown;
}

// What a pipe carries for the same text: no clear sequences.
std::string OnPipe(std::string_view written) {
  std::string carried(written);
  for (size_t at = carried.find(kClear); at != std::string::npos;
       at = carried.find(kClear, at)) {
    carried.erase(at, kClear.size());
  }
  return carried;
}

::testing::AssertionResult ShowsNext(PtySession& session,
                                     const std::string& expected) {
  const std::string shown = session.WaitFor(expected);
  if (shown == expected) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << ::testing::PrintToString(shown) << " arrived instead of "
         << ::testing::PrintToString(expected);
}

// Waits for the opening screen, then types each step's line and waits for
// its echo and the program's answer, with or without the clear sequences.
// Stops at the first screen that differs or never arrives, so one fault
// costs one timeout.
::testing::AssertionResult Play(PtySession& session,
                                const std::vector<Step>& steps,
                                bool clears = true) {
  const auto shown = [clears](const std::string& written) {
    return OnTerminal(clears ? written : OnPipe(written));
  };
  if (auto opening = ShowsNext(session, shown(Opening())); !opening) {
    return opening << " at the start";
  }
  for (const Step& step : steps) {
    session.Type(step.types + "\r");
    // The echo of the typed line comes before the answer: the terminal
    // echoes as it receives the keys, and the program reads only the
    // finished line.
    auto answer = ShowsNext(session, shown(step.types + "\n" + step.shows));
    if (!answer) return answer << " after typing " << step.types;
  }
  return ::testing::AssertionSuccess();
}

std::string DescribeEnd(const std::optional<int>& status) {
  if (!status) return "still running";
  if (WIFEXITED(*status)) {
    return "exited with status " + std::to_string(WEXITSTATUS(*status));
  }
  if (WIFSIGNALED(*status)) {
    return "killed by signal " + std::to_string(WTERMSIG(*status));
  }
  return "ended with wait status " + std::to_string(*status);
}

::testing::AssertionResult ExitedWithZero(const std::optional<int>& status) {
  if (status && WIFEXITED(*status) && WEXITSTATUS(*status) == 0) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << DescribeEnd(status);
}

::testing::AssertionResult KilledBySigint(const std::optional<int>& status) {
  if (status && WIFSIGNALED(*status) && WTERMSIG(*status) == SIGINT) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << DescribeEnd(status);
}

// Every flag and control character of the modes, to compare as text.
std::string Describe(const termios& modes) {
  char flags[160];
  std::snprintf(flags, sizeof flags,
                "iflag %#x oflag %#x cflag %#x lflag %#x speed %u/%u cc",
                modes.c_iflag, modes.c_oflag, modes.c_cflag, modes.c_lflag,
                static_cast<unsigned>(cfgetispeed(&modes)),
                static_cast<unsigned>(cfgetospeed(&modes)));
  std::string described = flags;
  for (const cc_t c : modes.c_cc) described += ' ' + std::to_string(c);
  return described;
}

TEST(TerminalSessionTest, EveryScreenStartsClearedAndShowsExactlyItsText) {
  PtySession session(kProgram);
  ASSERT_TRUE(Play(session, EveryScreen()));
  EXPECT_TRUE(ExitedWithZero(session.Wait()));
  EXPECT_EQ(session.TakeRest(), "") << "the run ends without another clear";
  EXPECT_EQ(session.ErrorOutput(), "");
}

// TERM dumb or unset: a terminal that cannot clear gets no escape byte.
TEST(TerminalSessionTest, TerminalThatCannotClearGetsNoEscapeByte) {
  for (const char* term : {"dumb", static_cast<const char*>(nullptr)}) {
    const char* const name = term != nullptr ? term : "unset";
    PtySession session(kProgram, term);
    ASSERT_TRUE(Play(session, EveryScreen(), false)) << "TERM " << name;
    EXPECT_TRUE(ExitedWithZero(session.Wait())) << "TERM " << name;
    EXPECT_EQ(session.ErrorOutput(), "") << "TERM " << name;
  }
}

TEST(TerminalSessionTest, LineEditingWorksAndTheModesAreLeftAsFound) {
  PtySession session(kProgram);
  ASSERT_TRUE(ShowsNext(session, OnTerminal(Opening())));
  const char erase = static_cast<char>(session.StartModes().c_cc[VERASE]);
  session.Type("Bx");
  session.Type(std::string(1, erase));
  session.Type("ob\r");
  // ECHOE shows the erase as backspace, blank, backspace.
  ASSERT_TRUE(ShowsNext(
      session, "Bx\b \bob\r\n" + OnTerminal(AfterClears(1, MainMenu("Bob")))));
  session.Type("Q\r");
  ASSERT_TRUE(
      ShowsNext(session, OnTerminal("Q\n" + AfterClears(1, QuitQuestion()))));
  session.Type("0\r");
  ASSERT_TRUE(ShowsNext(session, OnTerminal("0\n\n\n")));
  EXPECT_TRUE(ExitedWithZero(session.Wait()));
  EXPECT_EQ(Describe(session.Modes()), Describe(session.StartModes()));
  EXPECT_EQ(session.ErrorOutput(), "");
}

TEST(PipedSessionTest, SameSessionOnPipesCarriesNoEscapeByte) {
  std::string input;
  std::string written = Opening();
  for (const Step& step : EveryScreen()) {
    input += step.types + "\n";
    written += step.shows;
  }
  const PipedRun run = RunPiped(kProgram, input);
  EXPECT_TRUE(ExitedWithZero(run.status));
  EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\x1b'), 0)
      << "escape bytes reached the pipe";
  EXPECT_EQ(run.output, OnPipe(written));
  EXPECT_EQ(run.errorOutput, "");
}

// A prompt at which the user presses Ctrl-D or Ctrl-C, and the way there.
struct Prompt {
  const char* name;
  std::vector<Step> way;
};

void PrintTo(const Prompt& prompt, std::ostream* out) { *out << prompt.name; }

class EndKeyTest : public ::testing::TestWithParam<Prompt> {};

TEST_P(EndKeyTest, CtrlDAtTheEmptyPromptEndsTheRunWithStatusZero) {
  PtySession session(kProgram);
  ASSERT_TRUE(Play(session, GetParam().way));
  session.Type("\x04");
  EXPECT_TRUE(ExitedWithZero(session.Wait()));
  EXPECT_EQ(session.TakeRest(), "") << "nothing is written after the end";
  EXPECT_EQ(session.ErrorOutput(), "");
}

TEST_P(EndKeyTest, CtrlCKillsTheProgramBySigint) {
  PtySession session(kProgram);
  ASSERT_TRUE(Play(session, GetParam().way));
  session.Type("\x03");
  EXPECT_TRUE(KilledBySigint(session.Wait()));
  EXPECT_EQ(session.ErrorOutput(), "");
}

Step Named() { return {"Ada", AfterClears(1, MainMenu("Ada"))}; }

INSTANTIATE_TEST_SUITE_P(
    Prompts, EndKeyTest,
    ::testing::Values(
        Prompt{"Name", {}}, Prompt{"MainMenu", {Named()}},
        Prompt{"WeaponName",
               {Named(),
                {"1", AfterClears(3, WeaponMenu())},
                {"1", AfterClears(2, "\nPlease Enter a weapon name: \n\n")}}},
        Prompt{
            "MathOperand",
            {Named(),
             {"2", AfterClears(3, MathMenu())},
             {"2",
              AfterClears(2, NumberPrompt("Please Enter a value for X1 "))}}}),
    [](const ::testing::TestParamInfo<Prompt>& prompt) {
      return std::string(prompt.param.name);
    });

}  // namespace
