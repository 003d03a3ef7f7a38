// Looks at windows as a user would: opens the program's windows on a screen (a virtual one under
// xvfb-run), acts on them and saves PNGs of them.
//   xvfb-run -a build/tools/screenshot show:Form2 text:Form2.Abcissa1=0 click:Form2.Resolver1 grab:Form2:/tmp/f2.png
// Actions: show:FORM click:FORM.CONTROL text:FORM.CONTROL=TEXT up:FORM.CONTROL down:FORM.CONTROL
// tick:FORM.CONTROL grab:FORM:FILE. Message boxes are answered OK after a moment.
#include <cstdio>
#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <string>

#include "AllForms.h"
#include "App.h"
#include "QtBackend.h"
#include "Startup.h"

namespace {

void Settle(int rounds) {
  for (int k = 0; k < rounds; ++k) QApplication::processEvents();
}

// "FORM.CONTROL" into its two halves; false without the dot.
bool Split(const std::string& s, std::string& form, std::string& control) {
  const auto dot = s.find('.');
  if (dot == std::string::npos) return false;
  form = s.substr(0, dot);
  control = s.substr(dot + 1);
  return true;
}

bool Act(vl::App& app, vl::qt::QtBackend& backend, const std::string& a) {
  const auto colon = a.find(':');
  if (colon == std::string::npos) return false;
  const std::string verb = a.substr(0, colon);
  const std::string rest = a.substr(colon + 1);
  std::string form, control;
  if (verb == "show") {
    if (!app.IsRegistered(rest)) return false;
    app.Show(rest);
  } else if (verb == "grab") {
    const auto sep = rest.find(':');
    QWidget* window = sep == std::string::npos ? nullptr : backend.Window(rest.substr(0, sep));
    if (!window) return false;
    Settle(10);
    return window->grab().save(QString::fromStdString(rest.substr(sep + 1)));
  } else if (verb == "text") {
    const auto eq = rest.find('=');
    if (eq == std::string::npos || !Split(rest.substr(0, eq), form, control)) return false;
    return app.SetText(form, control, rest.substr(eq + 1));
  } else if (!Split(rest, form, control) || !app.Loaded(form) || !app.Loaded(form)->Find(control)) {
    return false;
  } else if (verb == "click") {
    return app.Click(form, control);
  } else if (verb == "up") {
    return app.Up(form, control);
  } else if (verb == "down") {
    return app.Down(form, control);
  } else if (verb == "tick") {
    return app.Tick(form, control, true);
  } else {
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  const auto qapp = vl::qt::StartApplication(
      argc, argv,
      "screenshot: no graphical session to open the windows in; run it under a virtual screen: "
      "xvfb-run -a build/tools/screenshot show:Form1 grab:Form1:/tmp/form1.png");
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: screenshot show:FORM click:FORM.CONTROL text:FORM.CONTROL=TEXT up:FORM.CONTROL "
                 "down:FORM.CONTROL tick:FORM.CONTROL grab:FORM:FILE ...\n");
    return 2;
  }
  vl::App app;
  vl::RegisterAllForms(app);
  vl::qt::QtBackend backend(app);
  app.SetBackend(&backend);
  app.Show("Form11");
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->accept();
  });
  closer.start(300);
  int rc = 0;
  for (int i = 1; i < argc && !app.Ended(); ++i) {
    if (!Act(app, backend, argv[i])) {
      std::fprintf(stderr, "screenshot: could not do %s\n", argv[i]);
      rc = 1;
    }
    Settle(5);
  }
  app.SetBackend(nullptr);
  return rc;
}
