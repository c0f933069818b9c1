#include "maths_text/figure_text.h"

#include "maths_text/number_text.h"

namespace {

// The lines and captions hold only the program's own texts and numbers, but
// a quotation mark or backslash would still end up escaped.
void AppendString(std::string& text, std::string_view value) {
  text += '"';
  for (const char c : value) {
    if (c == '"' || c == '\\') text += '\\';
    text += c;
  }
  text += '"';
}

}  // namespace

void FigureWriter::Begin(std::string_view exercise, std::string_view caption) {
  text_ += "{\"exercise\":";
  AppendString(text_, exercise);
  text_ += ",\"line\":";
  AppendString(text_, line_);
  text_ += ",\"caption\":";
  AppendString(text_, caption);
}

void FigureWriter::Value(std::string_view role,
                         std::initializer_list<float> numbers) {
  text_ += ',';
  AppendString(text_, role);
  text_ += ":[";
  for (const float* number = numbers.begin(); number != numbers.end();
       ++number) {
    if (number != numbers.begin()) text_ += ',';
    text_ += '"';
    AppendFloat(text_, *number);
    text_ += '"';
  }
  text_ += ']';
}

void FigureWriter::Finish() {
  working_.EndWorking();
  text_ += '}';
}
