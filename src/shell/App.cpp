#include "App.h"

#include <algorithm>
#include <stdexcept>

#include "RunTimeError.h"

namespace vl {

namespace {
App* g_current = nullptr;
}  // namespace

std::vector<MessageRecord> HeadlessBackend::TakeMessages() {
  std::vector<MessageRecord> out;
  out.swap(messages_);
  return out;
}

App::App() : previous_(g_current) { g_current = this; }

App::~App() {
  if (g_current == this) g_current = previous_;
}

App& App::Current() {
  if (!g_current) throw std::logic_error("no window system");
  return *g_current;
}

void App::SetBackend(Backend* backend) { backend_ = backend ? backend : &headless_; }

void App::Register(const std::string& name, Factory factory) { factories_[name] = std::move(factory); }

bool App::IsRegistered(const std::string& name) const { return factories_.count(name) != 0; }

Form* App::Loaded(const std::string& name) {
  auto it = forms_.find(name);
  return it == forms_.end() ? nullptr : it->second.get();
}

Form& App::Load(const std::string& name) {
  if (Form* f = Loaded(name)) return *f;
  auto it = factories_.find(name);
  if (it == factories_.end()) throw std::out_of_range("unknown form " + name);
  auto form = it->second();
  Form& ref = *form;
  forms_[name] = std::move(form);
  backend_->FormLoaded(ref);
  ref.Form_Load();
  backend_->Refresh();
  return ref;
}

void App::Show(const std::string& name) {
  if (ended_) return;
  Form& f = Load(name);
  f.visible = true;
  backend_->FormShown(f);
  Activated(name);
}

void App::Hide(const std::string& name) {
  if (ended_) return;
  Form& f = Load(name);
  f.visible = false;
  backend_->FormHidden(f);
  std::erase(activationOrder_, name);
  if (active_ == name) {
    active_.clear();
    if (backend_->ChoosesNextActiveWindow()) ActivateNext();
  }
}

void App::Unload(const std::string& name, bool activateNext) {
  auto it = forms_.find(name);
  if (it == forms_.end()) return;
  backend_->FormUnloading(*it->second);
  discarded_.push_back(std::move(it->second));
  forms_.erase(it);
  std::erase(activationOrder_, name);
  if (active_ == name) {
    active_.clear();
    if (activateNext && !ended_ && backend_->ChoosesNextActiveWindow()) ActivateNext();
  }
  if (dispatchDepth_ == 0) Collect();
}

void App::End() {
  if (ended_) return;
  ended_ = true;
  std::vector<std::string> names;
  for (auto& [n, f] : forms_) names.push_back(n);
  for (auto& n : names) Unload(n);
  backend_->EndProgram();
}

void App::Activated(const std::string& name) {
  if (ended_ || active_ == name) return;
  Form* f = Loaded(name);
  if (!f || !f->visible) return;
  active_ = name;
  std::erase(activationOrder_, name);
  activationOrder_.push_back(name);
  f->Form_Activate();
  backend_->Refresh();
}

void App::ActivateNext() {
  // The window that was active before, as a window manager would choose it.
  // Hidden and unloaded windows have left the order, so its last entry is on the screen.
  for (auto it = activationOrder_.rbegin(); it != activationOrder_.rend(); ++it) {
    Form* f = Loaded(*it);
    if (f && f->visible) {
      Activated(*it);
      return;
    }
  }
}

Form* App::ActiveForm() { return active_.empty() ? nullptr : Loaded(active_); }

std::vector<Form*> App::LoadedForms() {
  std::vector<Form*> out;
  for (auto& [n, f] : forms_) out.push_back(f.get());
  return out;
}

int App::MsgBox(const std::string& text, MsgIcon icon, const std::string& title) {
  const MessageRecord rec{text, title.empty() ? std::string(kApplicationTitle) : title, icon};
  backend_->Refresh();
  backend_->ShowMessage(rec);
  return 1;  // OK
}

void App::Collect() { discarded_.clear(); }

void App::Dispatch(const std::function<void()>& work) {
  ++dispatchDepth_;
  try {
    work();
  } catch (const RunTimeError& e) {
    MsgBox(ErrorBoxText(e.Description()));
  } catch (const std::exception& e) {
    MsgBox(ErrorBoxText(e.what()));
  }
  --dispatchDepth_;
  if (dispatchDepth_ == 0) Collect();
  backend_->Refresh();
}

namespace {
bool Usable(const Control& c) { return c.enabled && c.visible; }
}  // namespace

bool App::Click(const std::string& form, const std::string& control) {
  Form* f = Loaded(form);
  if (!f || ended_) return false;
  Control& c = (*f)[control];
  if (!Usable(c)) return false;
  switch (c.kind) {
    case ControlKind::CommandButton:
    case ControlKind::Menu:
    case ControlKind::Label:
    case ControlKind::Image:
    case ControlKind::PictureBox: Dispatch([&] { f->Fire(control, Event::Click); }); return true;
    case ControlKind::CheckBox: return Tick(form, control, !c.value);
    case ControlKind::OptionButton: return Choose(form, control);
    default: return false;
  }
}

bool App::Up(const std::string& form, const std::string& control) { return Step(form, control, Event::UpClick); }

bool App::Down(const std::string& form, const std::string& control) { return Step(form, control, Event::DownClick); }

bool App::Step(const std::string& form, const std::string& control, Event arrow) {
  Form* f = Loaded(form);
  if (!f || ended_) return false;
  Control& c = (*f)[control];
  if (c.kind != ControlKind::Spinner || !Usable(c)) return false;
  Dispatch([&] { f->Fire(control, arrow); });
  return true;
}

bool App::SetText(const std::string& form, const std::string& control, const std::string& text) {
  Form* f = Loaded(form);
  if (!f || ended_) return false;
  Control& c = (*f)[control];
  if (c.kind != ControlKind::TextBox) return false;
  c.text = text;
  backend_->Refresh();
  return true;
}

bool App::Tick(const std::string& form, const std::string& control, bool ticked) {
  Form* f = Loaded(form);
  if (!f || ended_) return false;
  Control& c = (*f)[control];
  if (c.kind != ControlKind::CheckBox || !Usable(c)) return false;
  c.value = ticked;
  Dispatch([&] { f->Fire(control, Event::Click); });
  return true;
}

bool App::Choose(const std::string& form, const std::string& control) {
  Form* f = Loaded(form);
  if (!f || ended_) return false;
  Control& c = (*f)[control];
  if (c.kind != ControlKind::OptionButton || !Usable(c)) return false;
  for (auto& other : f->Controls())
    if (other->kind == ControlKind::OptionButton && other->container == c.container) other->value = false;
  c.value = true;
  Dispatch([&] { f->Fire(control, Event::Click); });
  return true;
}

void App::CloseBox(const std::string& form) {
  Form* f = Loaded(form);
  if (!f || ended_) return;
  Dispatch([&] { f->CloseBox(); });
}

std::string ErrorBoxText(const std::string& description) { return "Erro:\r\n\r\n" + description; }

}  // namespace vl
