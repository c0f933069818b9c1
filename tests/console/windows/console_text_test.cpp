#include "console/windows/console_text.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace {

// What the console gave, read by read, and what the program must see.
struct InputCase {
  const char* what;
  std::vector<std::u16string> reads;
  std::string bytes;
  bool ended;
};

std::string Converted(const std::vector<std::u16string>& reads, bool& ended) {
  ConsoleInputText text;
  std::string bytes;
  for (const std::u16string& units : reads) text.Append(units, bytes);
  ended = text.Ended();
  return bytes;
}

TEST(ConsoleInputTextTest, TypedLinesAsAPosixTerminalGivesThem) {
  const InputCase cases[] = {
      {"a line", {u"Ada\r\n"}, "Ada\n", false},
      {"a letter beyond ASCII", {u"Zo\u00EB\r\n"}, "Zo\xC3\xAB\n", false},
      {"three bytes",
       {u"\u20AC5\r\n"},
       "\xE2\x82\xAC"
       "5\n",
       false},
      {"a surrogate pair", {u"\U0001F600\r\n"}, "\xF0\x9F\x98\x80\n", false},
      {"a pair cut between reads",
       {u"a\xD83D", u"\xDE00\r\n"},
       "a\xF0\x9F\x98\x80\n",
       false},
      {"a line end cut between reads",
       {u"Ada\r", u"\nBob\r\n"},
       "Ada\nBob\n",
       false},
      {"a carriage return alone is kept", {u"a\rb\r\n"}, "a\rb\n", false},
      {"a carriage return at the end of a read, then text",
       {u"a\r", u"b\r\n"},
       "a\rb\n",
       false},
      {"an empty line", {u"\r\n"}, "\n", false},
      {"a NUL",
       {std::u16string(u"a\0b\r\n", 5)},
       std::string("a\0b\n", 4),
       false},
      {"a low surrogate alone", {u"\xDC00x\r\n"}, "\xEF\xBF\xBDx\n", false},
      {"a high surrogate before a letter",
       {u"\xD83Dx\r\n"},
       "\xEF\xBF\xBDx\n",
       false},
      {"a high surrogate before the line end",
       {u"\xD83D\r\n"},
       "\xEF\xBF\xBD\n",
       false},
      {"Ctrl-Z then Enter", {u"\x1A\r\n"}, "", true},
      {"Ctrl-Z on the first read, nothing typed after", {u"\x1A"}, "", true},
      {"Ctrl-Z after lines in the same read",
       {u"Ada\r\n\x1A\r\nBob\r\n"},
       "Ada\n",
       true},
      {"Ctrl-Z on a later read, and reads after it",
       {u"Ada\r\n", u"\x1A\r\n", u"Bob\r\n"},
       "Ada\n",
       true},
      {"Ctrl-Z after a line end cut between reads",
       {u"Ada\r", u"\n\x1A\r\n"},
       "Ada\n",
       true},
      {"Ctrl-Z inside a line is an ordinary byte",
       {u"a\x1A\r\n"},
       "a\x1A\n",
       false},
      {"Ctrl-Z after a carriage return alone is inside a line",
       {u"a\r\x1A\r\n"},
       "a\r\x1A\n",
       false},
  };
  for (const InputCase& c : cases) {
    bool ended = false;
    EXPECT_EQ(Converted(c.reads, ended), c.bytes) << c.what;
    EXPECT_EQ(ended, c.ended) << c.what;
  }
}

// The console may hand over a line in pieces of any size.
TEST(ConsoleInputTextTest, TheSameBytesWhereverTheReadsAreCut) {
  const std::u16string typed = u"Zo\u00EB\r\n\U0001F600 \u20AC\r\n\r\n\x1A\r\n";
  const std::string expected = "Zo\xC3\xAB\n\xF0\x9F\x98\x80 \xE2\x82\xAC\n\n";
  for (std::size_t cut = 0; cut <= typed.size(); ++cut) {
    bool ended = false;
    EXPECT_EQ(Converted({typed.substr(0, cut), typed.substr(cut)}, ended),
              expected)
        << "cut at " << cut;
    EXPECT_TRUE(ended) << "cut at " << cut;
  }
}

struct OutputCase {
  const char* what;
  std::vector<std::string> writes;
  std::u16string units;
};

std::u16string Converted(const std::vector<std::string>& writes) {
  ConsoleOutputText text;
  std::u16string units;
  for (const std::string& bytes : writes) text.Append(bytes, units);
  return units;
}

TEST(ConsoleOutputTextTest, UnicodeForEveryByteSequence) {
  const OutputCase cases[] = {
      {"ASCII with its line ends", {"Hello Ada\n\n"}, u"Hello Ada\n\n"},
      {"the clear sequence", {"\x1b[H\x1b[2J"}, u"\x1b[H\x1b[2J"},
      {"two bytes", {"Zo\xC3\xAB"}, u"Zo\u00EB"},
      {"three bytes", {"\xE2\x82\xAC"}, u"\u20AC"},
      {"four bytes become a surrogate pair",
       {"\xF0\x9F\x98\x80"},
       u"\U0001F600"},
      {"a character cut between writes",
       {"Zo\xC3", "\xAB, Please"},
       u"Zo\u00EB, Please"},
      {"four bytes in four writes",
       {"\xF0", "\x9F", "\x98", "\x80"},
       u"\U0001F600"},
      {"a continuation byte alone", {"a\x80z"}, u"a\uFFFDz"},
      {"a byte that starts nothing", {"\xFF\xC0\xC1"}, u"\uFFFD\uFFFD\uFFFD"},
      {"a character cut short by another",
       {"\xE2\x82"
        "a"},
       u"\uFFFD"
       u"a"},
      {"an overlong form", {"\xE0\x80\x80"}, u"\uFFFD\uFFFD\uFFFD"},
      {"an encoded surrogate", {"\xED\xA0\x80"}, u"\uFFFD\uFFFD\uFFFD"},
      {"beyond U+10FFFF", {"\xF4\x90\x80\x80"}, u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"the last character, U+10FFFF", {"\xF4\x8F\xBF\xBF"}, u"\U0010FFFF"},
      {"a cut character replaced, then a whole one",
       {"\xC3", "\xE2\x82\xAC"},
       u"\uFFFD\u20AC"},
  };
  for (const OutputCase& c : cases) {
    EXPECT_TRUE(Converted(c.writes) == c.units) << c.what;
  }
}

// The output buffer is written out wherever it is full.
TEST(ConsoleOutputTextTest, TheSameTextWhereverTheWritesAreCut) {
  const std::string written =
      "Hello Zo\xC3\xAB \xE2\x82\xAC \xF0\x9F\x98\x80 \x80!";
  const std::u16string expected = u"Hello Zo\u00EB \u20AC \U0001F600 \uFFFD!";
  for (std::size_t cut = 0; cut <= written.size(); ++cut) {
    EXPECT_TRUE(Converted({written.substr(0, cut), written.substr(cut)}) ==
                expected)
        << "cut at " << cut;
  }
}

}  // namespace
