#include "maths_text/math_writer.h"

void Write(MathWriter& w, Symbol s) {
  if (!s.script.empty()) w.Open("sub");
  if (s.hat) w.Open("hat");
  w.Mi(s.name);
  if (s.hat) w.Close("hat");
  if (!s.script.empty()) {
    w.Next();
    if (s.script[0] >= '0' && s.script[0] <= '9') {
      w.Constant(s.script);
    } else {
      w.Mi(s.script);
    }
    w.Close("sub");
  }
}

Symbol Component(Symbol s, std::string_view script) {
  return {s.name, script, s.hat};
}

void Norm(MathWriter& w, Symbol s) {
  w.Open("norm");
  Write(w, s);
  w.Close("norm");
}

void Tuple(MathWriter& w, std::initializer_list<float> parts) {
  w.Open("tuple");
  for (const float* part = parts.begin(); part != parts.end(); ++part) {
    if (part != parts.begin()) w.Next();
    w.Mn(*part);
  }
  w.Close("tuple");
}

void Tuple(MathWriter& w, Vec2 v) { Tuple(w, {v.x, v.y}); }
void Tuple(MathWriter& w, Vec3 v) { Tuple(w, {v.x, v.y, v.z}); }
