#include "shell/prompt.h"

#include "console/console.h"

namespace {

// In the order of the enumerations.
constexpr std::string_view kAnswerKindNames[] = {
    "name",     "menu-choice",       "whole-number", "tenths",
    "continue", "quit-confirmation", "fire-again",   "decimal-fraction"};
constexpr std::string_view kRefusalNames[] = {
    "",          "empty",        "no-digits",
    "point",     "second-point", "misplaced-sign",
    "character", "out-of-range", "not-a-choice"};

}  // namespace

std::string_view AnswerKindName(AnswerKind kind) {
  return kAnswerKindNames[static_cast<int>(kind)];
}

std::string_view RefusalName(Refusal refusal) {
  return kRefusalNames[static_cast<int>(refusal)];
}

void OfferPrompt(AnswerKind kind, Refusal refusal,
                 const std::function<std::string()>& reason) {
  OfferQuestion(AnswerKindName(kind), RefusalName(refusal), reason);
}
