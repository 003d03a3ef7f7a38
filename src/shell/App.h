#pragma once
// The window-system services the forms use: one instance per window, created on first show,
// shown, hidden, unloaded; activation; the modal message box; the end of the program. A back end
// (the Qt one, or none when headless) mirrors the forms on a screen.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Form.h"
#include "Titles.h"

namespace vl {

enum class MsgIcon { None, Information };

struct MessageRecord {
  std::string text;
  std::string title;
  MsgIcon icon = MsgIcon::None;
};

class Backend {
 public:
  virtual ~Backend() = default;
  virtual void FormLoaded(Form&) {}
  virtual void FormShown(Form&) {}
  virtual void FormHidden(Form&) {}
  virtual void FormUnloading(Form&) {}
  // The model changed: bring the screen in step.
  virtual void Refresh() {}
  // Modal: returns when the user has closed the box.
  virtual void ShowMessage(const MessageRecord&) {}
  virtual void EndProgram() {}
  // Without a window manager the window system itself chooses the next active window.
  virtual bool ChoosesNextActiveWindow() const { return true; }
};

// The window system without a screen (tests, the scripted driver). Its message boxes close at once
// with OK, so it keeps them, in order, for whoever drives it to read; a screen's back end keeps none.
class HeadlessBackend : public Backend {
 public:
  void ShowMessage(const MessageRecord& rec) override { messages_.push_back(rec); }
  const std::vector<MessageRecord>& Messages() const { return messages_; }
  std::vector<MessageRecord> TakeMessages();

 private:
  std::vector<MessageRecord> messages_;
};

class App {
 public:
  using Factory = std::function<std::unique_ptr<Form>()>;

  App();
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // The instance the forms talk to: the most recently constructed live one.
  static App& Current();

  void SetBackend(Backend* backend);
  void Register(const std::string& name, Factory factory);
  bool IsRegistered(const std::string& name) const;

  Form* Loaded(const std::string& name);
  // Loads the window if needed (its Form_Load runs) and returns it.
  Form& Load(const std::string& name);
  void Show(const std::string& name);
  void Hide(const std::string& name);
  // When the window was the active one the window system activates the window before it, unless
  // the caller shows another window at once (a topic button), so no bystander is activated.
  void Unload(const std::string& name, bool activateNext = true);
  void End();
  bool Ended() const { return ended_; }

  // The window system reports that a window became the active one.
  void Activated(const std::string& name);
  Form* ActiveForm();
  std::vector<Form*> LoadedForms();

  int MsgBox(const std::string& text, MsgIcon icon = MsgIcon::None, const std::string& title = {});
  // The boxes shown while no screen was attached, as the headless back end keeps them.
  std::vector<MessageRecord> TakeMessages() { return headless_.TakeMessages(); }
  const std::vector<MessageRecord>& Messages() const { return headless_.Messages(); }

  // What a user does. Each runs the handlers it triggers; a fault that escapes a handler is shown
  // in a message box instead of stopping the program. They return false when the control does not
  // take that action (wrong kind, disabled, hidden).
  bool Click(const std::string& form, const std::string& control);
  bool Up(const std::string& form, const std::string& control);
  bool Down(const std::string& form, const std::string& control);
  bool SetText(const std::string& form, const std::string& control, const std::string& text);
  bool Tick(const std::string& form, const std::string& control, bool ticked);
  bool Choose(const std::string& form, const std::string& control);
  void CloseBox(const std::string& form);

  // Runs a piece of work as the window system runs a handler.
  void Dispatch(const std::function<void()>& work);

 private:
  void ActivateNext();
  void Collect();
  // One press of a spinner's arrow.
  bool Step(const std::string& form, const std::string& control, Event arrow);

  HeadlessBackend headless_;
  Backend* backend_ = &headless_;
  App* previous_ = nullptr;
  std::map<std::string, Factory> factories_;
  std::map<std::string, std::unique_ptr<Form>> forms_;
  std::vector<std::unique_ptr<Form>> discarded_;  // unloaded while one of their handlers runs
  std::vector<std::string> activationOrder_;      // most recent last
  std::string active_;
  int dispatchDepth_ = 0;
  bool ended_ = false;
};

// The text of the box that reports a run-time fault: "Erro:", two line breaks, the description.
std::string ErrorBoxText(const std::string& description);

// Short forms for handler code.
inline int MsgBox(const std::string& text, MsgIcon icon = MsgIcon::None, const std::string& title = {}) {
  return App::Current().MsgBox(text, icon, title);
}

}  // namespace vl
