// Quillary: a practice workbench for the console.
#include <cstdlib>
#include <exception>
#include <new>
#include <string_view>

#include "app/game_manager.h"
#include "console/console.h"
#include "shell/terminal.h"

namespace {

// A run ends early by throwing, and the C++ runtime takes what is thrown
// from the heap (malloc), or else from an emergency pool it sets aside as
// the program loads. Under a memory limit barely above what loading takes
// there may be neither, and the throw itself would abort; so the heap is
// asked first for room, through malloc, as even a non-throwing new throws
// and catches inside the library.
bool RoomToEndEarly() {
  constexpr std::size_t kRoom = 4096;
  // Held in a volatile, so that the compiler cannot leave out a request
  // whose block is never used.
  void* volatile room = std::malloc(kRoom);
  const bool found = room != nullptr;
  std::free(room);
  return found;
}

}  // namespace

int main() {
  // Whatever ends the run early still leaves what was written flushed, the
  // console as it was found, one line on standard error and exit status 1,
  // never an abort. Opening the streams takes nothing from the heap, so a
  // run can end that way from its very start.
  try {
    OpenStandardStreams();
    if (!RoomToEndEarly()) return CloseStandardStreams("out of memory");
    DetectTerminal();
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
