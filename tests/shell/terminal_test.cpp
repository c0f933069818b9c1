#include "shell/terminal.h"

#include <gtest/gtest.h>

#include "support/console_session.h"

namespace {

TEST(TerminalTest, ClearsWithAnsiSequenceOnlyOnATerminal) {
  ConsoleSession session("");
  ClearScreen();
  EXPECT_EQ(session.Output(), "");
  SetOutputIsTerminal(true);
  ClearScreen();
  SetOutputIsTerminal(false);
  EXPECT_EQ(session.Output(), "\x1b[H\x1b[2J");
}

}  // namespace
