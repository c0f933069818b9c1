// Writes a reproducible scripted session to standard output, for timing
// whole runs of the program. Every line that a screen rejects is a word
// written for that purpose ("menu", "x", "fire", "sum", "ten", "1.5",
// "2,5") or an index out of range, so the apologies in the program's answer
// can be counted against the session.
//
//   session_generator LINES [SEED]   a mixed session of exactly LINES lines
//                                    that visits every screen and ends with
//                                    a confirmed quit
//   session_generator --weapons N    adds N weapons, lists them and quits
//   session_generator --maths N      runs N vector exercises on edge and
//                                    random operands, then quits
//
// The same arguments always give the same bytes: std::mt19937_64's sequence
// is fixed by the C++ standard, and its numbers are used without the
// library's distributions, whose results are not.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <random>
#include <string>
#include <string_view>

namespace {

class SessionWriter {
 public:
  explicit SessionWriter(std::uint64_t seed) : random_(seed) {}

  void Line(std::string_view text) {
    text_ += text;
    text_ += '\n';
    ++lines_;
  }
  void Number(std::int64_t value) { Line(std::to_string(value)); }

  // A number in [low, high].
  std::int64_t Pick(std::int64_t low, std::int64_t high) {
    return low + static_cast<std::int64_t>(
                     random_() % static_cast<std::uint64_t>(high - low + 1));
  }
  bool OneIn(std::int64_t n) { return Pick(1, n) == 1; }

  std::size_t Lines() const { return lines_; }
  const std::string& Text() const { return text_; }

 private:
  std::mt19937_64 random_;
  std::string text_;
  std::size_t lines_ = 0;
};

constexpr std::string_view kWeaponNames[] = {
    "Sword", "Bow", "Axe", "Longbow", "Crossbow", "Mace", "Spear", "Dagger"};

// The weapon manager keeps its inventory and selection between visits. The
// session follows both, so that it answers the firing question exactly
// when a weapon is selected.
class WeaponVisits {
 public:
  explicit WeaponVisits(SessionWriter& session) : s_(session) {}

  void Visit() {
    s_.Line("1");
    for (std::int64_t actions = s_.Pick(1, 8); actions > 0; --actions) {
      Action();
    }
    s_.Line(s_.OneIn(2) ? "q" : "Q");
    s_.Line("");  // the pause on the way out
  }

 private:
  void Action() {
    // Keep the inventory small enough that the numbered lists stay short,
    // as a person's would.
    const std::int64_t kind = inventory_ > 40 ? 5 : s_.Pick(0, 6);
    switch (kind) {
      case 0:
        Add();
        break;
      case 1:
        Select();
        break;
      case 2:
        Fire();
        break;
      case 3:  // reload
        s_.Line("6");
        s_.Line("");
        break;
      case 4:  // list
        s_.Line("4");
        s_.Line("");
        break;
      case 5:
        Remove();
        break;
      default:  // rejected
        s_.Line("fire");
        break;
    }
  }

  void Add() {
    s_.Line("1");
    s_.Line(kWeaponNames[s_.Pick(0, std::ssize(kWeaponNames) - 1)]);
    if (s_.OneIn(4)) s_.Line("ten");
    s_.Number(s_.Pick(1, 250));
    s_.Number(s_.Pick(0, 60));
    s_.Line("");
    ++inventory_;
    // Adding selects entry 0 when nothing was selected.
    if (selected_ == kNone) selected_ = 0;
  }

  void Select() {
    s_.Line("2");
    if (inventory_ > 0) selected_ = AskIndex();
    s_.Line("");
  }

  void Fire() {
    s_.Line("3");
    if (selected_ != kNone) {
      for (std::int64_t shots = s_.Pick(0, 12); shots > 0; --shots) {
        s_.Line(s_.OneIn(2) ? "" : "y");
      }
      s_.Line("0");
    }
    s_.Line("");
  }

  void Remove() {
    s_.Line("5");
    if (inventory_ > 0) {
      const std::int64_t removed = AskIndex();
      --inventory_;
      // The selection follows its weapon; removing the selected weapon
      // selects the one before it (none before entry 0), and with no
      // selection the last entry becomes selected.
      if (inventory_ == 0) {
        selected_ = kNone;
      } else if (selected_ == kNone || selected_ >= inventory_) {
        selected_ = inventory_ - 1;
      } else if (selected_ >= removed) {
        --selected_;
      }
    }
    s_.Line("");
  }

  // Answers the index question of a non-empty inventory, sometimes first
  // with an index out of range.
  std::int64_t AskIndex() {
    if (s_.OneIn(5)) s_.Number(inventory_ + s_.Pick(0, 3));
    const std::int64_t index = s_.Pick(0, inventory_ - 1);
    s_.Number(index);
    return index;
  }

  static constexpr std::int64_t kNone = -1;
  SessionWriter& s_;
  std::int64_t inventory_ = 0;
  std::int64_t selected_ = kNone;
};

// The maths exercises by menu line, with how many operands each asks for;
// 12 and 13 only pause.
struct Exercise {
  const char* line;
  int operands;
};
constexpr Exercise kExercises[] = {{"2", 4},  {"3", 4},  {"4", 4},  {"5", 2},
                                   {"6", 5},  {"7", 4},  {"8", 6},  {"9", 2},
                                   {"10", 9}, {"11", 1}, {"12", 0}, {"13", 0}};

void MathsVisit(SessionWriter& s) {
  s.Line("2");
  for (std::int64_t exercises = s.Pick(1, 8); exercises > 0; --exercises) {
    if (s.OneIn(8)) {
      s.Line(s.OneIn(2) ? "1" : "sum");  // the menu again, or rejected
      continue;
    }
    const Exercise& exercise =
        kExercises[s.Pick(0, std::ssize(kExercises) - 1)];
    s.Line(exercise.line);
    for (int operand = 0; operand < exercise.operands; ++operand) {
      if (s.OneIn(10)) s.Line("1.5");
      s.Number(exercise.operands == 1 ? s.Pick(-10, 2147483647)
                                      : s.Pick(-1000, 1000));
    }
    s.Line("");
  }
  s.Line(s.OneIn(2) ? "q" : "Q");
  s.Line("");
}

// Operands where single precision shows its edges: the largest float that
// counts every whole number, the first whole number it cannot hold, and the
// ends of the 32-bit range.
constexpr std::int64_t kEdgeOperands[] = {
    0,         1,          -1,          16777216,    -16777216, 16777217,
    -16777217, 2147483647, -2147483647, -2147483648, 1000000,   -1000000};

// An operand for a cross-machine check: an edge value, the negation of the
// one before (so sums and differences cancel), or any 32-bit number.
std::int64_t MathsOperand(SessionWriter& s, std::int64_t previous) {
  switch (s.Pick(0, 3)) {
    case 0:
      return kEdgeOperands[s.Pick(0, std::ssize(kEdgeOperands) - 1)];
    case 1:
      return previous == -2147483648 ? 2147483647 : -previous;
    case 2:
      return s.Pick(-1000, 1000);
    default:
      return s.Pick(-2147483648, 2147483647);
  }
}

// Every vector exercise (menu lines 2 to 10) in turn, `count` of them, each
// answered and paused; the result lines are where single-precision rounding
// could differ between machines.
std::string MathsSession(std::int64_t count) {
  SessionWriter s(0);
  s.Line("Ada");
  s.Line("2");
  for (std::int64_t i = 0; i < count; ++i) {
    const Exercise& exercise = kExercises[i % 9];
    s.Line(exercise.line);
    std::int64_t operand = 0;
    for (int n = 0; n < exercise.operands; ++n) {
      operand = MathsOperand(s, operand);
      s.Number(operand);
    }
    s.Line("");
  }
  for (const char* line : {"q", "", "Q", "0"}) s.Line(line);
  return s.Text();
}

void FloatEcho(SessionWriter& s) {
  s.Line("3");
  if (s.OneIn(3)) s.Line("2,5");
  s.Line(std::to_string(s.Pick(-99999, 99999)) + "." +
         std::to_string(s.Pick(0, 9999)));
  s.Line("");
}

// A visit to the main menu and whatever it leads to, back at the main menu.
void MainMenuVisit(SessionWriter& s, WeaponVisits& weapons) {
  switch (s.Pick(0, 9)) {
    case 0:
    case 1:
    case 2:
      weapons.Visit();
      break;
    case 3:
    case 4:
    case 5:
      MathsVisit(s);
      break;
    case 6:
      FloatEcho(s);
      break;
    case 7:
      s.Line("0");
      s.Line(s.OneIn(2) ? "Eve" : "Ada");
      break;
    case 8:  // quit, then cancel
      s.Line("Q");
      s.Line("no");
      break;
    default:  // rejected
      s.Line("menu");
      break;
  }
}

// The longest visit MainMenuVisit can write, with room to spare.
constexpr std::size_t kLongestVisit = 400;

std::string MixedSession(std::size_t lines, std::uint64_t seed) {
  SessionWriter s(seed);
  WeaponVisits weapons(s);
  s.Line("Ada");
  while (s.Lines() + kLongestVisit + 2 <= lines) MainMenuVisit(s, weapons);
  // A rejected main-menu line is one line, so the count comes out exact.
  while (s.Lines() + 2 < lines) s.Line("x");
  s.Line("Q");
  s.Line("0");
  return s.Text();
}

std::string WeaponsSession(std::int64_t count) {
  SessionWriter s(0);
  s.Line("Ada");
  s.Line("1");
  for (std::int64_t i = 0; i < count; ++i) {
    s.Line("1");
    s.Line("Weapon" + std::to_string(i));
    s.Number(i % 100);
    s.Number(30);
    s.Line("");
  }
  for (const char* line : {"4", "", "q", "", "Q", "0"}) s.Line(line);
  return s.Text();
}

bool ParseCount(const char* text, std::int64_t& count) {
  const std::string_view view(text);
  const auto [end, error] =
      std::from_chars(view.data(), view.data() + view.size(), count);
  return error == std::errc() && end == view.data() + view.size() && count >= 0;
}

int Usage() {
  std::cerr << "usage: session_generator LINES [SEED]\n"
               "       session_generator --weapons COUNT\n"
               "       session_generator --maths COUNT\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::int64_t count = 0;
  std::string session;
  if (argc == 3 && std::string_view(argv[1]) == "--weapons") {
    if (!ParseCount(argv[2], count)) return Usage();
    session = WeaponsSession(count);
  } else if (argc == 3 && std::string_view(argv[1]) == "--maths") {
    if (!ParseCount(argv[2], count)) return Usage();
    session = MathsSession(count);
  } else if (argc == 2 || argc == 3) {
    std::int64_t seed = 1;
    if (!ParseCount(argv[1], count) || count < 3) return Usage();
    if (argc == 3 && !ParseCount(argv[2], seed)) return Usage();
    session = MixedSession(static_cast<std::size_t>(count),
                           static_cast<std::uint64_t>(seed));
  } else {
    return Usage();
  }
  std::fwrite(session.data(), 1, session.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
