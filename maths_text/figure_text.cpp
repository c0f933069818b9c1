#include "maths_text/figure_text.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "maths_text/number_text.h"
#include "maths_text/result_lines.h"
#include "maths_text/working.h"

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

void AppendValue(std::string& text, std::string_view role,
                 std::initializer_list<float> numbers) {
  text += ',';
  AppendString(text, role);
  text += ":[";
  for (const float* number = numbers.begin(); number != numbers.end();
       ++number) {
    if (number != numbers.begin()) text += ',';
    text += '"';
    AppendFloat(text, *number);
    text += '"';
  }
  text += ']';
}

void AppendValue(std::string& text, std::string_view role, Vec2 v) {
  AppendValue(text, role, {v.x, v.y});
}

void AppendValue(std::string& text, std::string_view role, Vec3 v) {
  AppendValue(text, role, {v.x, v.y, v.z});
}

std::string_view ExerciseName(const VectorSumWork& work) {
  return work.difference ? "VectorSub" : "VectorAddition";
}
std::string_view ExerciseName(const DistanceWork&) { return "Distance"; }
std::string_view ExerciseName(const MagniuteWork&) { return "Magniute"; }
std::string_view ExerciseName(const LinInterWork&) { return "LinInter"; }
std::string_view ExerciseName(const DotWork&) { return "Dot"; }
std::string_view ExerciseName(const NormalizeWork&) { return "Normalize"; }
std::string_view ExerciseName(const CrossWork&) { return "Cross"; }
std::string_view ExerciseName(const SurfaceNormalWork&) {
  return "SurfaceNormal";
}

template <typename Work>
std::string_view Caption(const Work&) {
  return {};
}
std::string_view Caption(const DotWork& work) {
  return DirectionSentence(work.dot.sum);
}

// The operands and the result, in drawing order.
void AppendValues(std::string& text, const VectorSumWork& work) {
  AppendValue(text, "first", work.a);
  AppendValue(text, "second", work.b);
  AppendValue(text, "result", work.result);
}

void AppendValues(std::string& text, const DistanceWork& work) {
  AppendValue(text, "first", work.a);
  AppendValue(text, "second", work.b);
  AppendValue(text, "result", {work.distance.length});
}

void AppendValues(std::string& text, const MagniuteWork& work) {
  AppendValue(text, "first", work.v);
  AppendValue(text, "result", {work.length.length});
}

void AppendValues(std::string& text, const LinInterWork& work) {
  AppendValue(text, "first", work.a);
  AppendValue(text, "second", work.b);
  AppendValue(text, "parameter", {work.t});
  AppendValue(text, "result", work.point.point);
}

void AppendValues(std::string& text, const DotWork& work) {
  AppendValue(text, "first", work.a);
  AppendValue(text, "second", work.b);
  AppendValue(text, "result", {work.angle.angle});
}

void AppendValues(std::string& text, const NormalizeWork& work) {
  AppendValue(text, "first", work.v);
  AppendValue(text, "result", work.unit.unit);
}

void AppendValues(std::string& text, const CrossWork& work) {
  AppendValue(text, "first", work.a);
  AppendValue(text, "second", work.b);
  AppendValue(text, "result", work.product.product);
}

void AppendValues(std::string& text, const SurfaceNormalWork& work) {
  AppendValue(text, "first", work.p1);
  AppendValue(text, "second", work.p2);
  AppendValue(text, "third", work.p3);
  AppendValue(text, "result", work.normal.normal.product);
}

}  // namespace

Figure VectorAdditionFigure(Vec2 a, Vec2 b) {
  return WorkOutVectorAddition(a, b);
}

Figure VectorSubFigure(Vec2 a, Vec2 b) { return WorkOutVectorSub(a, b); }

Figure DistanceFigure(Vec2 a, Vec2 b) { return WorkOutDistance(a, b); }

Figure MagniuteFigure(Vec2 v) { return WorkOutMagniute(v); }

Figure LinInterFigure(Vec2 a, Vec2 b, float tenths) {
  return WorkOutLinInter(a, b, tenths);
}

Figure DotFigure(Vec2 a, Vec2 b) { return WorkOutDot(a, b); }

Figure NormalizeFigure(Vec2 v) { return WorkOutNormalize(v); }

Figure CrossFigure(Vec3 a, Vec3 b) { return WorkOutCross(a, b); }

Figure SurfaceNormalFigure(Vec3 p1, Vec3 p2, Vec3 p3) {
  return WorkOutSurfaceNormal(p1, p2, p3);
}

void AppendResultLine(std::string& line, const Figure& figure) {
  std::visit([&line](const auto& work) { AppendResultLine(line, work); },
             figure);
}

std::string FigureText(const Figure& figure) {
  return std::visit(
      [](const auto& work) {
        std::string line;
        AppendResultLine(line, work);
        std::string text = "{\"exercise\":";
        AppendString(text, ExerciseName(work));
        text += ",\"line\":";
        AppendString(text, line);
        text += ",\"caption\":";
        AppendString(text, Caption(work));
        AppendValues(text, work);
        AppendWorking(text, work);
        text += '}';
        return text;
      },
      figure);
}
