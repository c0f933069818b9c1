#include "app/game_manager.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/shell_state.h"
#include "support/console_session.h"

namespace {

TEST(GameManagerTest, ConfirmedQuitStopsTheLoop) {
  const std::string output = ConsoleSession::RunProgram("Ada\nQ\n0\nmore\n");
  EXPECT_FALSE(IsRunning);
  EXPECT_EQ(Response, "0");
  EXPECT_TRUE(output.ends_with(
      "Are you sure you want to quit? (Press 0 to exit, anything else to "
      "cancel)\n\n\n\n"));
}

TEST(GameManagerTest, RenamingKeepsEverythingElse) {
  ConsoleSession session("Ada\n0\nBob\n3\n");
  GameManager game;
  game.Run();
  EXPECT_EQ(UserName, "Bob");
  EXPECT_EQ(MainState, 3);
  EXPECT_TRUE(IsRunning) << "end of input is not a confirmed quit";
}

}  // namespace
