// The program: the main window first, every other window from its menu.
#include <QApplication>

#include "AllForms.h"
#include "App.h"
#include "QtBackend.h"

int main(int argc, char* argv[]) {
  QApplication qapp(argc, argv);
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
