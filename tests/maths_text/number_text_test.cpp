#include "maths_text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <string>

namespace {

// std::bit_cast, which Emscripten's libc++ lacks.
template <typename To, typename From>
To BitCast(const From& from) {
  static_assert(sizeof(To) == sizeof(From));
  To to;
  std::memcpy(&to, &from, sizeof to);
  return to;
}

// What std::cout itself shows for the value, but for not-a-number, which
// AppendFloat spells "nan" whatever its sign (the stream writes "-nan" for
// a negative one, and each platform's runtime has its own spelling).
std::string StreamText(float value) {
  if (std::isnan(value)) return "nan";
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
                          -std::numeric_limits<float>::infinity()};
  for (const float value : values) {
    EXPECT_EQ(Appended(value), StreamText(value))
        << "bits " << BitCast<std::uint32_t>(value);
  }
}

TEST(NumberTextTest, NotANumberIsNanWhateverItsSignAndPayload) {
  const std::uint32_t bits[] = {0x7fc00000u, 0xffc00000u, 0x7f800001u,
                                0xff800001u, 0x7fffffffu, 0xffffffffu};
  for (const std::uint32_t pattern : bits) {
    EXPECT_EQ(Appended(BitCast<float>(pattern)), "nan") << "bits " << pattern;
  }
  const float zero = 0.0f;
  EXPECT_EQ(Appended(zero / zero), "nan") << "0/0 as the exercises form it";
}

// Every printed digit of the maths exercises goes through AppendFloat, so
// compare it with the stream over a broad sample of all float bit patterns.
TEST(NumberTextTest, RandomFloatsAsTheStreamWritesThem) {
  std::mt19937 random(20261208);
  int mismatches = 0;
  for (int i = 0; i < 300000 && mismatches < 5; ++i) {
    const auto value = BitCast<float>(static_cast<std::uint32_t>(random()));
    if (Appended(value) != StreamText(value)) {
      ++mismatches;
      ADD_FAILURE() << "bits " << BitCast<std::uint32_t>(value) << ": appended "
                    << Appended(value) << ", the stream writes "
                    << StreamText(value);
    }
  }
}

// The working's texts: the terminal's six digits where they read back as
// the same float, else the fewest digits that do, so that no step shows a
// number the program does not hold; over random bit patterns too.
TEST(NumberTextTest, ExactTextsReadBackAsTheSameFloat) {
  const struct {
    float value;
    const char* text;
    bool longer;
  } cases[] = {{0.6f, "0.6", false},
               {-0.99999994f, "-0.99999994", true},
               {16000004.0f, "16000004", true},
               {1539413.0f, "1539413", true},
               {1e6f, "1e+06", false},
               {4294967296.0f, "4.2949673e+09", true},
               {-0.0f, "-0", false}};
  for (const auto& c : cases) {
    std::string text;
    EXPECT_EQ(AppendExactFloat(text, c.value), c.longer) << c.text;
    EXPECT_EQ(text, c.text);
  }
  std::mt19937 random(20261210);
  for (int i = 0; i < 100000; ++i) {
    const auto value = BitCast<float>(static_cast<std::uint32_t>(random()));
    if (!std::isfinite(value)) continue;
    std::string text;
    AppendExactFloat(text, value);
    ASSERT_EQ(std::strtof(text.c_str(), nullptr), value) << text;
  }
}

}  // namespace
