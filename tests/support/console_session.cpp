#include "support/console_session.h"

#include "app/game_manager.h"
#include "app/program_state.h"

ConsoleSession::ConsoleSession(const std::string& input)
    : input_(input),
      savedIn_(std::cin.rdbuf(input_.rdbuf())),
      savedOut_(std::cout.rdbuf(output_.rdbuf())) {
  ResetProgramState();
}

ConsoleSession::~ConsoleSession() {
  std::cin.rdbuf(savedIn_);
  std::cout.rdbuf(savedOut_);
}

std::string ConsoleSession::RunProgram(const std::string& input) {
  ConsoleSession session(input);
  GameManager game;
  game.Run();
  return session.Output();
}
