#include "maths/figures.h"

#include <string>

#include "maths/result_lines.h"
#include "shell/number_text.h"

namespace {

FigureValue Value(std::string_view role, Vec2 v) { return {role, {v.x, v.y}}; }

FigureValue Value(std::string_view role, Vec3 v) {
  return {role, {v.x, v.y, v.z}};
}

FigureValue Value(std::string_view role, float scalar) {
  return {role, {scalar}};
}

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

Figure VectorAdditionFigure(Vec2 a, Vec2 b) {
  return {"VectorAddition",
          VectorAdditionLine(a, b),
          {},
          {Value("first", a), Value("second", b), Value("result", Add(a, b))}};
}

Figure VectorSubFigure(Vec2 a, Vec2 b) {
  return {
      "VectorSub",
      VectorSubLine(a, b),
      {},
      {Value("first", a), Value("second", b), Value("result", Subtract(a, b))}};
}

Figure DistanceFigure(Vec2 a, Vec2 b) {
  return {"Distance",
          DistanceLine(a, b),
          {},
          {Value("first", a), Value("second", b),
           Value("result", Length(Subtract(a, b)))}};
}

Figure MagniuteFigure(Vec2 v) {
  return {"Magniute",
          MagniuteLine(v),
          {},
          {Value("first", v), Value("result", Length(v))}};
}

Figure LinInterFigure(Vec2 a, Vec2 b, float tenths) {
  const float t = TenthsParameter(tenths);
  return {"LinInter",
          LinInterLine(a, b, tenths),
          {},
          {Value("first", a), Value("second", b), Value("parameter", t),
           Value("result", Interpolate(a, b, t))}};
}

Figure DotFigure(Vec2 a, Vec2 b) {
  return {"Dot",
          DotLine(a, b),
          DirectionSentence(DotProduct(a, b)),
          {Value("first", a), Value("second", b),
           Value("result", AngleBetween(a, b))}};
}

Figure NormalizeFigure(Vec2 v) {
  return {"Normalize",
          NormalizeLine(v),
          {},
          {Value("first", v), Value("result", Normalized(v))}};
}

Figure CrossFigure(Vec3 a, Vec3 b) {
  return {"Cross",
          CrossLine(a, b),
          {},
          {Value("first", a), Value("second", b),
           Value("result", CrossProduct(a, b))}};
}

Figure SurfaceNormalFigure(Vec3 p1, Vec3 p2, Vec3 p3) {
  return {"SurfaceNormal",
          SurfaceNormalLine(p1, p2, p3),
          {},
          {Value("first", p1), Value("second", p2), Value("third", p3),
           Value("result", TriangleNormal(p1, p2, p3))}};
}

std::string FigureText(const Figure& figure) {
  std::string text = "{\"exercise\":";
  AppendString(text, figure.exercise);
  text += ",\"line\":";
  AppendString(text, figure.line);
  text += ",\"caption\":";
  AppendString(text, figure.caption);
  for (const FigureValue& value : figure.values) {
    text += ',';
    AppendString(text, value.role);
    text += ":[";
    for (std::size_t i = 0; i < value.numbers.size(); ++i) {
      if (i != 0) text += ',';
      text += '"';
      AppendFloat(text, value.numbers[i]);
      text += '"';
    }
    text += ']';
  }
  text += '}';
  return text;
}
