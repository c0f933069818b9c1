#include "console/windows/console_streams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console/windows/system_message.h"

namespace {

// One scripted answer of ReadConsoleW (the units typed) or WriteConsoleW
// (at most `count` units taken), or a failure with `error`.
struct Step {
  std::u16string units;
  DWORD count = 0;
  DWORD error = 0;
};

// The calls of one test, each taking the next step of its list; a list used
// up fails with ERROR_GEN_FAILURE, so a loop that should have ended does.
// WriteConsoleW keeps what it takes and how many units it was offered.
struct Script {
  std::vector<Step> steps;
  std::size_t next = 0;
  std::u16string written;
  std::vector<DWORD> offered;
};
Script script;

Step Take() {
  const Step step = script.next < script.steps.size()
                        ? script.steps[script.next]
                        : Step{{}, 0, ERROR_GEN_FAILURE};
  ++script.next;
  if (step.error != 0) SetLastError(step.error);
  return step;
}

BOOL WINAPI ScriptedRead(HANDLE, LPVOID data, DWORD size, LPDWORD got, LPVOID) {
  const Step step = Take();
  *got = std::min(static_cast<DWORD>(step.units.size()), size);
  std::copy_n(step.units.begin(), *got, static_cast<wchar_t*>(data));
  return step.error == 0;
}

BOOL WINAPI ScriptedWrite(HANDLE, const VOID* data, DWORD size, LPDWORD written,
                          LPVOID) {
  const Step step = Take();
  script.offered.push_back(size);
  *written = std::min(step.count, size);
  const auto* units = static_cast<const wchar_t*>(data);
  std::transform(units, units + *written, std::back_inserter(script.written),
                 [](wchar_t unit) { return static_cast<char16_t>(unit); });
  return step.error == 0;
}

constexpr ConsoleCalls kScripted{ScriptedRead, ScriptedWrite};

TEST(ConsoleStreamsTest, ReadsAgainAfterCtrlCAndFailsAFailedRead) {
  const struct {
    const char* name;
    std::vector<Step> steps;
    std::string text;
    DWORD error;
  } cases[] = {
      {"a read cut short by Ctrl-C",
       {{u"Ada\r\n"},
        {{}, 0, ERROR_OPERATION_ABORTED},
        {u"Zo\u00EB\r\n"},
        {u"\x1A\r\n"}},
       "Ada\nZo\xC3\xAB\n",
       0},
      {"a read of nothing", {{u""}, {u"Ada\r\n"}, {u"\x1A\r\n"}}, "Ada\n", 0},
      {"a failed read",
       {{u"Ada\r\n"}, {{}, 0, ERROR_INVALID_HANDLE}},
       "Ada\n",
       ERROR_INVALID_HANDLE},
  };
  for (const auto& c : cases) {
    script = {c.steps, 0, {}, {}};
    ConsoleInput input(nullptr, kScripted);
    std::string text;
    char data[8];
    ReadResult result;
    while ((result = input.Read(data, sizeof data)).count > 0) {
      text.append(data, result.count);
    }
    EXPECT_EQ(text, c.text) << c.name;
    EXPECT_EQ(result.error, c.error == 0 ? "" : SystemMessage(c.error))
        << c.name;
    EXPECT_EQ(script.next, c.steps.size()) << c.name;
  }
}

TEST(ConsoleStreamsTest, WritesEveryUnitOnceOrFails) {
  // 8,191 units, then a character beyond U+FFFF across the 8,192nd.
  const std::string wide = std::string(8191, 'a') + "\xF0\x9F\x98\x80";
  const std::u16string wideUnits = std::u16string(8191, u'a') + u"\U0001F600";
  const struct {
    const char* name;
    std::string bytes;
    std::vector<Step> steps;
    bool written;
    std::u16string units;
    std::vector<DWORD> offered;
  } cases[] = {
      {"short writes",
       "Hello\n",
       {{{}, 2}, {{}, 1}, {{}, 9}},
       true,
       u"Hello\n",
       {6, 4, 3}},
      {"a write of nothing",
       "Hello\n",
       {{{}, 4}, {{}, 0}},
       false,
       u"Hell",
       {6, 2}},
      {"a failed write",
       "Hello\n",
       {{{}, 0, ERROR_INVALID_HANDLE}},
       false,
       u"",
       {6}},
      {"a surrogate pair at the end of a call",
       wide,
       {{{}, 8192}, {{}, 8192}},
       true,
       wideUnits,
       {8191, 2}},
  };
  for (const auto& c : cases) {
    script = {c.steps, 0, {}, {}};
    ConsoleOutput output(nullptr, kScripted);
    EXPECT_EQ(output.Write(c.bytes.data(), c.bytes.size()), c.written)
        << c.name;
    EXPECT_TRUE(script.written == c.units) << c.name;
    EXPECT_EQ(script.offered, c.offered) << c.name;
    EXPECT_EQ(script.next, c.steps.size()) << c.name;
  }
}

}  // namespace
