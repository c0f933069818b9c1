// The main menu: the one place that decides which main screen comes next.
#ifndef QUILLARY_SHELL_MAIN_MENU_H_
#define QUILLARY_SHELL_MAIN_MENU_H_

// Clears the console, greets the user by UserName, lists the five choices and
// reads lines until one is accepted ("0" to "3", "Q" or "q", whole and
// exact); each other line clears the console and shows the apology form.
// Stores the choice's code in MainState and returns; it never runs the
// chosen screen itself, so callers return to the main loop right after it.
void ShowMainMenu();

#endif  // QUILLARY_SHELL_MAIN_MENU_H_
