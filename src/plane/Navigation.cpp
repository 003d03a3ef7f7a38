// The row of buttons along the top of a topic window. Unloading this window while its own
// handler runs is safe (the window system deletes it once the event is over), but nothing of
// it may be used afterwards: each handler copies what it needs first.
#include "App.h"
#include "TopicWindow.h"

namespace vl {

void TopicWindow::GoTo(const std::string& target) {
  App& app = App::Current();
  const std::string self = Name();
  const std::string to = target;
  // The target becomes the active window straight away: no other open window is activated
  // (and redrawn) in between.
  app.Unload(self, false);
  app.Show(to);
}

void TopicWindow::Command13_Click() { App::Current().Show("Form10"); }
void TopicWindow::Command14_Click() { App::Current().Show("Form12"); }
void TopicWindow::Command15_Click() { App::Current().Show("Form13"); }
void TopicWindow::Command16_Click() { App::Current().Show("Form14"); }

void TopicWindow::Command17_Click() {
  // Discard everything, then load a fresh copy that stays hidden until it is shown again.
  App& app = App::Current();
  const std::string self = Name();
  app.Unload(self);
  app.Hide(self);
}

void TopicWindow::Sair_Click() { App::Current().End(); }

}  // namespace vl
