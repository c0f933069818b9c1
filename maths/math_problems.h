// The maths problems activity, behind main menu choice "2".
#ifndef QUILLARY_MATHS_MATH_PROBLEMS_H_
#define QUILLARY_MATHS_MATH_PROBLEMS_H_

class MathProblems {
 public:
  // One pass of the activity, run by the main loop while MainState is 2.
  void RunMathProblems();
};

// Puts the maths activity's state back to its start values.
void ResetMathState();

#endif  // QUILLARY_MATHS_MATH_PROBLEMS_H_
