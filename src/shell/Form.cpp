#include "Form.h"

#include <stdexcept>

#include "App.h"

namespace vl {

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label: return "label";
    case ControlKind::TextBox: return "textbox";
    case ControlKind::CommandButton: return "button";
    case ControlKind::CheckBox: return "checkbox";
    case ControlKind::OptionButton: return "option";
    case ControlKind::Frame: return "frame";
    case ControlKind::PictureBox: return "picturebox";
    case ControlKind::Image: return "image";
    case ControlKind::Spinner: return "spinner";
    case ControlKind::Menu: return "menu";
  }
  return "control";
}

Form::Form(std::string name) : name_(std::move(name)) {}
Form::~Form() = default;

Control& Form::Add(const ControlDecl& decl) {
  if (byName_.count(decl.name)) throw std::logic_error("duplicate control " + decl.name);
  auto c = std::make_unique<Control>();
  static_cast<ControlDecl&>(*c) = decl;
  if (c->kind == ControlKind::PictureBox) {
    c->drawing = std::make_unique<DrawingArea>();
    c->drawing->SetPixelSize(InnerPixels(c->width), InnerPixels(c->height));
  }
  Control& ref = *c;
  byName_[c->name] = c.get();
  controls_.push_back(std::move(c));
  return ref;
}

void Form::AddAll(const std::vector<ControlDecl>& decls) {
  for (const auto& d : decls) Add(d);
  // The first option button of each frame starts selected.
  std::map<std::string, bool> seen;
  for (auto& c : controls_) {
    if (c->kind == ControlKind::OptionButton && !seen[c->container]) {
      seen[c->container] = true;
      c->value = true;
    }
  }
}

Control& Form::operator[](const std::string& name) {
  auto it = byName_.find(name);
  if (it == byName_.end()) throw std::out_of_range("no control " + name + " in " + name_);
  return *it->second;
}

const Control& Form::operator[](const std::string& name) const {
  auto it = byName_.find(name);
  if (it == byName_.end()) throw std::out_of_range("no control " + name + " in " + name_);
  return *it->second;
}

Control* Form::Find(const std::string& name) {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

void Form::On(const std::string& control, Event event, std::function<void()> handler) {
  handlers_[{control, event}] = std::move(handler);
}

bool Form::HasHandler(const std::string& control, Event event) const { return handlers_.count({control, event}) != 0; }

bool Form::Fire(const std::string& control, Event event) {
  auto it = handlers_.find({control, event});
  if (it == handlers_.end()) return false;
  auto handler = it->second;  // the handler may unload this form; keep our own copy
  handler();
  return true;
}

void Form::CloseBox() { App::Current().Hide(name_); }

}  // namespace vl
