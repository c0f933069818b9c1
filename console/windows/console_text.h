// Text at the edge of a Windows console. The console hands over and takes
// UTF-16 (ReadConsoleW, WriteConsoleW); the rest of the program reads and
// writes UTF-8 bytes with "\n" line ends, exactly as on a POSIX terminal.
// These two converters translate between them. They use no system header, so
// they are tested on every platform.
#ifndef QUILLARY_CONSOLE_WINDOWS_CONSOLE_TEXT_H_
#define QUILLARY_CONSOLE_WINDOWS_CONSOLE_TEXT_H_

#include <cstdint>
#include <string>
#include <string_view>

// The Windows end-of-input key: Ctrl-Z typed at the start of a line, then
// Enter.
inline constexpr char16_t kEndOfInputUnit = 0x1A;

// The first unit of a character beyond U+FFFF, which its low surrogate must
// follow.
constexpr bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}

// Turns what the console reads into the bytes a POSIX terminal would give.
// One object follows the console's input for the whole run, because a
// character or a line end may be cut between two reads.
class ConsoleInputText {
 public:
  // Appends to `bytes` the UTF-8 form of `units`, with "\r\n" turned into
  // "\n". A high surrogate or a "\r" at the end of `units` is held until the
  // next call, which completes it. A line that starts with Ctrl-Z ends the
  // input: nothing from that line on is appended, and Ended() is true from
  // then on. A surrogate without its partner becomes U+FFFD.
  void Append(std::u16string_view units, std::string& bytes);

  // True once a line starting with Ctrl-Z has been seen.
  bool Ended() const { return ended_; }

 private:
  void AppendUnit(char16_t unit, std::string& bytes);
  // A high surrogate followed by anything but a low one is no character.
  void ReplaceHeldSurrogate(std::string& bytes);

  char16_t heldHighSurrogate_ = 0;
  bool heldCarriageReturn_ = false;
  bool atLineStart_ = true;
  bool ended_ = false;
};

// Turns the program's UTF-8 output into UTF-16 for the console. One object
// follows one output stream for the whole run, because the output buffer is
// written out wherever it is full, which may be inside a character. Bytes
// that are no UTF-8 become U+FFFD, one for each maximal invalid part, as
// Unicode recommends.
class ConsoleOutputText {
 public:
  // Appends to `units` the UTF-16 form of `bytes`; the start of a character
  // cut at the end of `bytes` is completed by the next call.
  void Append(std::string_view bytes, std::u16string& units);

 private:
  // Returns false when `byte` cannot continue the character begun, which is
  // then replaced and forgotten; `byte` must then be taken on its own.
  bool Continue(unsigned char byte, std::u16string& units);
  void Start(unsigned char byte, std::u16string& units);

  std::uint32_t codePoint_ = 0;
  int bytesNeeded_ = 0;
  unsigned char lowest_ = 0x80;
  unsigned char highest_ = 0xBF;
};

#endif  // QUILLARY_CONSOLE_WINDOWS_CONSOLE_TEXT_H_
