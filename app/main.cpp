// Quillary: a practice workbench for the console.
#include <exception>
#include <new>
#include <string_view>

#include "app/game_manager.h"
#include "console/console.h"
#include "shell/terminal.h"

int main() {
  OpenStandardStreams();
  DetectTerminal();
  // Whatever ends the run early still leaves what was written flushed, the
  // console as it was found, one line on standard error and exit status 1,
  // never an abort.
  try {
    GameManager _GameManager;
    _GameManager.Run();
  } catch (const std::bad_alloc&) {
    return CloseStandardStreams("out of memory");
  } catch (const std::exception& error) {
    const std::string_view what = error.what();
    return CloseStandardStreams(what.empty() ? "unexpected failure" : what);
  } catch (...) {
    return CloseStandardStreams("unexpected failure");
  }
  return CloseStandardStreams();
}
