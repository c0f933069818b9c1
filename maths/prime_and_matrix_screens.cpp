// The last three entries of the maths menu: the prime test and the two
// matrix placeholders.
#include <iostream>

#include "arithmetic/prime_test.h"
#include "input/read_integer.h"
#include "maths/math_problems.h"

void MathProblems::IsPrimeNumber() {
  std::cout << "Please Enter a value for us to figure out if it is prime: ";
  const int n = ReadInteger();
  // The prime answer ends in a blank and leaves the line open; the other
  // ends its line, so ReturnToMathMenu leaves an empty line after it.
  std::cout << "The value " << n
            << (IsPrime(n) ? " is a prime number. "
                           : " is not a prime number\n");
  ReturnToMathMenu();
}

// No matrix work exists behind these entries yet; they only pause.
void MathProblems::MatrixRotation() { ReturnToMathMenu(); }

void MathProblems::MatrixInvert() { ReturnToMathMenu(); }
