#include "console/windows/system_message.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

TEST(SystemMessageTest, OneLineWithoutTheFinalPeriod) {
  const struct {
    const char* text;
    const char* trimmed;
  } cases[] = {
      {"The pipe has been ended.\r\n", "The pipe has been ended"},
      {"The handle is invalid.\r\n", "The handle is invalid"},
      {"Access is denied.", "Access is denied"},
      {"Two lines.\r\nOf text.\r\n", "Two lines. Of text"},
      {"  Blanks\t around \r\n", "Blanks around"},
      {"No period", "No period"},
      {"Version 1.2", "Version 1.2"},
      {"", ""},
      {".\r\n", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TrimSystemMessage(c.text), c.trimmed) << c.text;
  }
}

TEST(SystemMessageTest, TheSystemsWordsForItsCodes) {
  const DWORD codes[] = {ERROR_INVALID_HANDLE, ERROR_ACCESS_DENIED,
                         ERROR_BROKEN_PIPE, ERROR_DISK_FULL};
  for (const DWORD code : codes) {
    const std::string message = SystemMessage(code);
    EXPECT_FALSE(message.empty()) << code;
    EXPECT_EQ(message, TrimSystemMessage(message)) << code;
    EXPECT_EQ(message.rfind("error ", 0), std::string::npos)
        << code << " has text of its own: " << message;
  }
  EXPECT_EQ(SystemMessage(0x2FFFFFFF), "error 805306367");
}

}  // namespace
