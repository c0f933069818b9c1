#include "shell/shell_state.h"

std::string UserName;
std::string Response;
bool IsRunning = true;
std::int32_t MainState = 0;

void ResetShellState() {
  IsRunning = true;
  MainState = 0;
  UserName.clear();
  Response.clear();
}
