// The shell's own screens: the greeting, the quit confirmation and the float
// echo.
#include <iostream>

#include "app/game_manager.h"
#include "input/read_float.h"
#include "shell/line_reader.h"
#include "shell/main_menu.h"
#include "shell/pause.h"
#include "shell/print_message.h"
#include "shell/prompt.h"
#include "shell/shell_state.h"

void GameManager::EnterUserName() {
  PrintMessage(
      "Hello, my name is Quillary. What would you like me to call you?");
  OfferPrompt(AnswerKind::kName);
  UserName = ReadLine();
  ShowMainMenu();
}

void GameManager::ConfirmQuit() {
  PrintMessage(
      "Are you sure you want to quit? (Press 0 to exit, anything else to "
      "cancel)");
  OfferPrompt(AnswerKind::kQuitConfirmation);
  Response = ReadLine();
  if (Response == "0") {
    IsRunning = false;
    PrintMessage("");
    return;
  }
  ShowMainMenu();
}

void GameManager::FloatEcho() {
  std::cout << "\n Please enter a float: \n";
  const float val = ReadFloat();
  std::cout << "\n\nThe  float value is: " << val << "\n";
  Pause();
  ShowMainMenu();
}
