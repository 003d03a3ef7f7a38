// A scripted user: reads one command a line, acts on the windows headless, and answers every
// query with one JSON line. Unknown forms, controls or commands answer {"error": ...} and the
// script goes on.
#include <cmath>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

#include "AllForms.h"
#include "App.h"
#include "clsEquation.h"
#include "Module1.h"
#include "RunTimeError.h"

namespace {

using namespace vl;

std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (unsigned char ch : s) {
    switch (ch) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (ch < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", ch);
          out += buf;
        } else {
          out += static_cast<char>(ch);
        }
    }
  }
  return out + "\"";
}

std::string Num(double v) {
  if (!std::isfinite(v)) return "null";
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17g", v);
  return buf;
}

std::string Num(float v) {
  if (!std::isfinite(v)) return "null";
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));
  return buf;
}

std::string Bool(bool b) { return b ? "true" : "false"; }

std::string Error(const std::string& what) { return "{\"error\": " + Quote(what) + "}"; }

std::string Field(const FieldValue& v) {
  if (auto b = std::get_if<bool>(&v)) return Bool(*b);
  if (auto i = std::get_if<int>(&v)) return std::to_string(*i);
  if (auto d = std::get_if<double>(&v)) return Num(*d);
  return Quote(std::get<std::string>(v));
}

std::string Dump(App& app, const std::string& name) {
  if (!app.IsRegistered(name)) return Error("unknown form " + name);
  Form* f = app.Loaded(name);
  std::string out = "{\"form\": " + Quote(name) + ", \"loaded\": " + Bool(f != nullptr);
  if (!f) return out + "}";
  out += ", \"visible\": " + Bool(f->visible) + ", \"active\": " + Bool(app.ActiveForm() == f) +
         ", \"caption\": " + Quote(f->caption) + ", \"controls\": {";
  bool first = true;
  for (const auto& c : f->Controls()) {
    if (!first) out += ", ";
    first = false;
    out += Quote(c->name) + ": {\"kind\": " + Quote(KindName(c->kind)) + ", ";
    out += std::string(c->IsTextBox() ? "\"text\": " : "\"caption\": ") + Quote(c->text);
    out += ", \"enabled\": " + Bool(c->enabled) + ", \"visible\": " + Bool(c->visible);
    if (c->kind == ControlKind::CheckBox || c->kind == ControlKind::OptionButton)
      out += ", \"value\": " + Bool(c->value);
    if (!c->tooltip.empty()) out += ", \"tooltip\": " + Quote(c->tooltip);
    if (c->kind == ControlKind::Image || c->kind == ControlKind::PictureBox)
      out += ", \"left\": " + std::to_string(c->left) + ", \"top\": " + std::to_string(c->top) +
             ", \"width\": " + std::to_string(c->width) + ", \"height\": " + std::to_string(c->height);
    out += "}";
  }
  out += "}, \"fields\": {";
  first = true;
  for (const auto& [k, v] : f->Fields()) {
    if (!first) out += ", ";
    first = false;
    out += Quote(k) + ": " + Field(v);
  }
  return out + "}}";
}

const char* OpName(DrawEntry::Op op) {
  switch (op) {
    case DrawEntry::Op::Line: return "line";
    case DrawEntry::Op::Point: return "point";
    case DrawEntry::Op::Circle: return "circle";
    case DrawEntry::Op::Text: return "text";
  }
  return "?";
}

std::string Drawing(App& app, const std::string& name) {
  if (!app.IsRegistered(name)) return Error("unknown form " + name);
  Form* f = app.Loaded(name);
  if (!f) return Error(name + " is not loaded");
  const Control* area = nullptr;
  for (const auto& c : f->Controls())
    if (c->drawing) {
      area = c.get();
      break;
    }
  if (!area) return Error(name + " has no drawing area");
  const DrawingArea& d = *area->drawing;
  std::string out = "{\"form\": " + Quote(name) + ", \"area\": " + Quote(area->name) + ", \"scale\": [" +
                    Num(d.ScaleLeft()) + ", " + Num(d.ScaleTop()) + ", " + Num(d.ScaleWidth()) + ", " +
                    Num(d.ScaleHeight()) + "], \"pixels\": [" + std::to_string(d.PixelWidth()) + ", " +
                    std::to_string(d.PixelHeight()) + "], \"entries\": [";
  bool first = true;
  for (const DrawEntry& e : d.List()) {
    if (!first) out += ", ";
    first = false;
    out += "{\"op\": " + Quote(OpName(e.op));
    switch (e.op) {
      case DrawEntry::Op::Line:
        out +=
            ", \"x1\": " + Num(e.x1) + ", \"y1\": " + Num(e.y1) + ", \"x2\": " + Num(e.x2) + ", \"y2\": " + Num(e.y2);
        break;
      case DrawEntry::Op::Point:
      case DrawEntry::Op::Text: out += ", \"x\": " + Num(e.x1) + ", \"y\": " + Num(e.y1); break;
      case DrawEntry::Op::Circle:
        out += ", \"x\": " + Num(e.x1) + ", \"y\": " + Num(e.y1) + ", \"r\": " + Num(e.r);
        break;
    }
    out += ", \"colour\": " + std::to_string(e.colour) + ", \"width\": " + std::to_string(e.width) +
           ", \"style\": " + Quote(e.style == PenStyle::Dotted ? "dotted" : "solid");
    if (e.op == DrawEntry::Op::Text)
      out += ", \"text\": " + Quote(e.text) + ", \"font\": " + Quote(e.font.name) + ", \"size\": " + Num(e.font.size) +
             ", \"bold\": " + Bool(e.font.bold);
    out += "}";
  }
  return out + "]}";
}

std::string Messages(App& app) {
  std::string out = "[";
  bool first = true;
  for (const auto& m : app.TakeMessages()) {
    if (!first) out += ", ";
    first = false;
    out += "{\"text\": " + Quote(m.text) + ", \"title\": " + Quote(m.title) +
           ", \"icon\": " + Quote(m.icon == MsgIcon::Information ? "information" : "none") + "}";
  }
  return out + "]";
}

std::string Coef(const Module1::Coef& c) { return c.IsNumber() ? Num(c.Number()) : Quote(c.Text()); }

std::string Shared() {
  return "{\"CoefA\": " + Coef(Module1::CoefA) + ", \"CoefB\": " + Coef(Module1::CoefB) +
         ", \"CoefC\": " + Coef(Module1::CoefC) + ", \"EquationText\": " + Quote(Module1::EquationText) + "}";
}

std::string Eval(const std::string& rest) {
  const auto sep = rest.find("::");
  if (sep == std::string::npos) return Error("eval needs VAR=VALUE ... :: EXPRESSION");
  clsEquation eq;
  std::istringstream vars(rest.substr(0, sep));
  std::string assignment;
  while (vars >> assignment) {
    const auto eqpos = assignment.find('=');
    if (eqpos == std::string::npos || eqpos == 0) return Error("bad variable " + assignment);
    try {
      eq.Var(assignment.substr(0, eqpos), std::stod(assignment.substr(eqpos + 1)));
    } catch (const std::exception&) {
      return Error("bad value in " + assignment);
    }
  }
  std::string expr = rest.substr(sep + 2);
  if (!expr.empty() && expr.front() == ' ') expr.erase(0, 1);
  try {
    eq.Equation(expr);
    eq.Solve();
    return "{\"value\": " + Num(eq.Solution()) + "}";
  } catch (const RunTimeError& e) {
    return "{\"error\": " + std::to_string(e.Number()) + ", \"description\": " + Quote(e.Description()) +
           ", \"source\": " + Quote(e.Source()) + "}";
  }
}

// "FORM.CONTROL" into its two names.
bool Split(const std::string& target, std::string& form, std::string& control) {
  const auto dot = target.find('.');
  if (dot == std::string::npos || dot == 0 || dot + 1 == target.size()) return false;
  form = target.substr(0, dot);
  control = target.substr(dot + 1);
  return true;
}

std::string Run(App& app, const std::string& line) {
  std::istringstream in(line);
  std::string cmd;
  in >> cmd;
  if (cmd.empty() || cmd[0] == '#') return {};
  std::string rest;
  std::getline(in, rest);
  if (!rest.empty() && rest.front() == ' ') rest.erase(0, 1);

  if (cmd == "messages") return Messages(app);
  if (cmd == "shared") return Shared();
  if (cmd == "eval") return Eval(rest);
  if (cmd == "forms") {
    std::string out = "[";
    for (Form* f : app.LoadedForms()) out += (out.size() > 1 ? ", " : "") + Quote(f->Name());
    return out + "]";
  }
  if (cmd == "ended") return "{\"ended\": " + Bool(app.Ended()) + "}";

  if (cmd == "show" || cmd == "hide" || cmd == "unload" || cmd == "activate" || cmd == "close" || cmd == "dump" ||
      cmd == "drawing") {
    const std::string name = rest.substr(0, rest.find(' '));
    if (!app.IsRegistered(name)) return Error("unknown form " + name);
    if (cmd == "dump") return Dump(app, name);
    if (cmd == "drawing") return Drawing(app, name);
    if (app.Ended()) return Error("the program has ended");
    if (cmd == "show") app.Dispatch([&] { app.Show(name); });
    if (cmd == "hide") app.Dispatch([&] { app.Hide(name); });
    if (cmd == "unload") app.Dispatch([&] { app.Unload(name); });
    if (cmd == "activate") app.Dispatch([&] { app.Activated(name); });
    if (cmd == "close") app.CloseBox(name);
    return {};
  }

  if (cmd == "click" || cmd == "set" || cmd == "tick" || cmd == "choose" || cmd == "up" || cmd == "down") {
    std::string target = rest.substr(0, rest.find(' '));
    std::string arg = rest.size() > target.size() ? rest.substr(target.size() + 1) : std::string();
    std::string form, control;
    if (!Split(target, form, control)) return Error("expected FORM.CONTROL, got " + target);
    if (!app.IsRegistered(form)) return Error("unknown form " + form);
    Form* f = app.Loaded(form);
    if (!f) return Error(form + " is not loaded");
    if (!f->Find(control)) return Error("unknown control " + control + " in " + form);
    bool done = false;
    if (cmd == "click") done = app.Click(form, control);
    if (cmd == "set") done = app.SetText(form, control, arg);
    if (cmd == "tick") {
      if (arg != "0" && arg != "1") return Error("tick takes 0 or 1");
      done = app.Tick(form, control, arg == "1");
    }
    if (cmd == "choose") done = app.Choose(form, control);
    if (cmd == "up") done = app.Up(form, control);
    if (cmd == "down") done = app.Down(form, control);
    if (!done) return Error(cmd + " does not apply to " + target);
    return {};
  }
  return Error("unknown command " + cmd);
}

}  // namespace

int main() {
  App app;
  RegisterAllForms(app);
  app.Show("Form11");  // the program starts on its main window
  app.TakeMessages();
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string answer;
    try {
      answer = Run(app, line);
    } catch (const std::exception& e) {
      answer = Error(e.what());
    }
    if (!answer.empty()) std::cout << answer << std::endl;
  }
  return 0;
}
