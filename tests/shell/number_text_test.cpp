#include "shell/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <random>
#include <sstream>
#include <string>

namespace {

// What std::cout itself shows for the value.
std::string StreamText(float value) {
  std::ostringstream stream;
  stream << value;
  return stream.str();
}

std::string Appended(float value) {
  std::string text = "lead:";
  AppendFloat(text, value);
  return text.substr(5);
}

TEST(NumberTextTest, NotableFloatsAsTheStreamWritesThem) {
  const float values[] = {0.0f,
                          -0.0f,
                          1.0f,
                          0.5f,
                          1.41421356f,
                          3.14159265f,
                          0.000345267f,
                          100000.0f,
                          999999.0f,
                          999999.5f,
                          1000000.0f,
                          1234567.0f,
                          0.0001f,
                          0.00001f,
                          -2147483648.0f,
                          std::numeric_limits<float>::max(),
                          std::numeric_limits<float>::min(),
                          std::numeric_limits<float>::denorm_min(),
                          std::numeric_limits<float>::infinity(),
                          -std::numeric_limits<float>::infinity(),
                          std::numeric_limits<float>::quiet_NaN(),
                          -std::numeric_limits<float>::quiet_NaN()};
  for (const float value : values) {
    EXPECT_EQ(Appended(value), StreamText(value))
        << "bits " << std::bit_cast<std::uint32_t>(value);
  }
}

// Every printed digit of the maths exercises goes through AppendFloat, so
// compare it with the stream over a broad sample of all float bit patterns.
TEST(NumberTextTest, RandomFloatsAsTheStreamWritesThem) {
  std::mt19937 random(20261208);
  int mismatches = 0;
  for (int i = 0; i < 300000 && mismatches < 5; ++i) {
    const auto value =
        std::bit_cast<float>(static_cast<std::uint32_t>(random()));
    if (Appended(value) != StreamText(value)) {
      ++mismatches;
      ADD_FAILURE() << "bits " << std::bit_cast<std::uint32_t>(value)
                    << ": appended " << Appended(value)
                    << ", the stream writes " << StreamText(value);
    }
  }
}

}  // namespace
