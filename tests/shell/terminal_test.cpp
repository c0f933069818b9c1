#include "shell/terminal.h"

#include <gtest/gtest.h>

#include "support/console_session.h"

namespace {

TEST(TerminalTest, ClearsWithAnsiSequenceOnlyOnATerminal) {
  ConsoleSession session("");
  ClearScreen();
  EXPECT_EQ(session.Output(), "");
  SetClearMethod(ClearMethod::kEscapeSequence);
  ClearScreen();
  SetClearMethod(ClearMethod::kNone);
  EXPECT_EQ(session.Output(), "\x1b[H\x1b[2J");
}

}  // namespace
