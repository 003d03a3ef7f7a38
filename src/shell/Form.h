#pragma once
// A window of the program as data: its caption and size, its named controls and menu entries, and
// its event handlers. Forms know nothing of the screen; the window system (App) and a back end do.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "Control.h"

namespace vl {

enum class Event { Click, UpClick, DownClick };

using FieldValue = std::variant<bool, int, double, std::string>;

class Form {
 public:
  explicit Form(std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& Name() const { return name_; }

  std::string caption;
  int clientWidth = 0;   // twips
  int clientHeight = 0;  // twips
  int outerWidth = -1;   // twips; -1 until a handler sets the outer size
  int outerHeight = -1;
  std::int32_t backColor = -1;
  bool visible = false;  // kept by the window system

  Control& Add(const ControlDecl& decl);
  void AddAll(const std::vector<ControlDecl>& decls);

  // The control of that name; throws std::out_of_range when there is none.
  Control& operator[](const std::string& name);
  const Control& operator[](const std::string& name) const;
  Control* Find(const std::string& name);
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

  // Handlers are registered by the form itself, keyed by control and event.
  void On(const std::string& control, Event event, std::function<void()> handler);
  bool HasHandler(const std::string& control, Event event) const;
  // Runs the handler; false when the control has none for that event.
  bool Fire(const std::string& control, Event event);

  virtual void Form_Load() {}
  virtual void Form_Activate() {}
  // The title bar's close box; the default hides the window.
  virtual void CloseBox();

  // The control that takes the keyboard focus when the window is shown; empty leaves the choice
  // to the window system.
  virtual std::string FocusOnShow() const { return {}; }
  // The control that takes the focus from `control`, which has it, when a handler disables or hides
  // it; empty leaves the choice to the window system (the next control in tab order).
  virtual std::string FocusInsteadOf(const std::string& /*control*/) const { return {}; }
  // The spinner whose arrows the Up and Down keys work in a text box; empty for none.
  virtual std::string SpinnerOf(const std::string& /*textBox*/) const { return {}; }

  // Window-level fields that a script or test may read (range fields, solve flag ...).
  virtual std::vector<std::pair<std::string, FieldValue>> Fields() const { return {}; }

 private:
  std::string name_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::string, Control*> byName_;
  std::map<std::pair<std::string, Event>, std::function<void()>> handlers_;
};

}  // namespace vl
