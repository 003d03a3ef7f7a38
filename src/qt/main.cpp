// The program: the main window first, every other window from its menu.
#include <QApplication>

#include "AllForms.h"
#include "App.h"
#include "QtBackend.h"
#include "Startup.h"

int main(int argc, char* argv[]) {
  const auto qapp = vl::qt::StartApplication(
      argc, argv,
      "vantre: no graphical session to open its windows in; start it from a desktop, or without one "
      "under a virtual screen: xvfb-run -a bash scripts/run.sh");
  QApplication::setApplicationName(vl::kApplicationTitle);
  QApplication::setStyle("Fusion");

  vl::App app;
  vl::RegisterAllForms(app);
  vl::qt::QtBackend backend(app);
  app.SetBackend(&backend);
  app.Show("Form11");
  const int rc = QApplication::exec();
  app.SetBackend(nullptr);
  return rc;
}
