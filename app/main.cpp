// Quillary: a practice workbench for the console.
#include "app/game_manager.h"
#include "shell/standard_streams.h"

int main() {
  PrepareStandardStreams();
  {
    GameManager _GameManager;
    _GameManager.Run();
  }
  return FinishStandardStreams();
}
