#include "maths/math_problems.h"

#include <array>
#include <cstdint>
#include <iostream>
#include <string>

#include "console/console.h"
#include "shell/choice_table.h"
#include "shell/line_reader.h"
#include "shell/prompt.h"
#include "shell/terminal.h"

void MathProblems::RunMathProblems() {
  static constexpr std::array<CodedScreen<MathProblems>, 13> kScreens{{
      {0, &MathProblems::ShowMathMenu},
      {1, &MathProblems::VectorAddition},
      {2, &MathProblems::VectorSub},
      {3, &MathProblems::Distance},
      {4, &MathProblems::Magniute},
      {5, &MathProblems::LinInter},
      {6, &MathProblems::Dot},
      {7, &MathProblems::Cross},
      {8, &MathProblems::Normalize},
      {9, &MathProblems::SurfaceNormal},
      {10, &MathProblems::IsPrimeNumber},
      {11, &MathProblems::MatrixRotation},
      {12, &MathProblems::MatrixInvert},
  }};
  ClearScreen();
  RunScreenFor(MathState, kScreens, *this);
}

void MathProblems::ShowResult(const Figure& figure) {
  // One line's buffer for the whole run: after the first exercise, printing
  // a result allocates nothing.
  static std::string line;
  line.clear();
  AppendResultLine(line, figure);
  std::cout << line;
  OfferFigure([&figure] { return FigureText(figure); });
}

void MathProblems::ReturnToMathMenu() {
  // Written directly rather than through PrintMessage: the leading line
  // break ends the exercise's result line and no empty line follows.
  std::cout << "\nPress Any Key to continue...\n";
  OfferPrompt(AnswerKind::kContinue);
  // Any line continues; what was typed is not looked at.
  const std::string blankAnswer = ReadLine();
  MathState = 0;
}
