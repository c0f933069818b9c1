// Sessions as a person types them: each line typed, and the exact text the
// program writes in answer, clear sequences included, with "\n" for a line
// end as the program writes it (before a terminal or a pipe sees it).
#ifndef QUILLARY_TESTS_TERMINAL_SESSION_SCRIPT_H_
#define QUILLARY_TESTS_TERMINAL_SESSION_SCRIPT_H_

#include <string>
#include <string_view>
#include <vector>

// Cursor to the top left corner, then erase the screen.
inline constexpr std::string_view kClear = "\x1b[H\x1b[2J";

// One line typed at a prompt (Enter follows it), and all that the program
// writes in answer, up to and including its next prompt.
struct Step {
  std::string types;
  std::string shows;
};

// `count` clear sequences, then `text`. The main loop clears at the top of
// every pass; an activity's pass clears once more, and each display of a
// menu once more again.
std::string AfterClears(int count, std::string_view text);

// The first screen of every run, up to the name prompt.
std::string Opening();

// The main menu greeting `name`, and its form after a rejected line.
std::string MainMenu(const std::string& name);
std::string MainMenuApology(const std::string& name);

// The weapon and maths menus, each in its plain and its apology form.
std::string WeaponMenu();
std::string WeaponMenuApology();
std::string MathMenu();
std::string MathMenuApology();

// A number prompt: the screen's own question, then the number request.
std::string NumberPrompt(std::string_view question);

// The pause shown before a screen is left.
std::string Pause();

// The quit question.
std::string QuitQuestion();

// A visit to every main screen, both activities and each menu's redraws,
// ending in a confirmed quit (after which the program writes "\n\n").
const std::vector<Step>& EveryScreen();

#endif  // QUILLARY_TESTS_TERMINAL_SESSION_SCRIPT_H_
