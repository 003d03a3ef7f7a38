#include <QApplication>
#include <QWidget>
#include <QPixmap>
#include <QTimer>
#include <QMessageBox>
#include "AllForms.h"
#include "App.h"
#include "QtBackend.h"
// A screenshot tool for looking at windows as a user would, under xvfb-run:
//   screenshot show:Form2 text:Form2.Abcissa1=0 click:Form2.Resolver1 grab:Form2:/tmp/f2.png
// Actions: show:FORM click:FORM.CONTROL text:FORM.CONTROL=TEXT up:FORM.CONTROL tick:FORM.CONTROL
// grab:FORM:FILE. Message boxes are answered OK after a moment.
int main(int argc, char* argv[]) {
  QApplication qapp(argc, argv);
  vl::App app;
  vl::RegisterAllForms(app);
  vl::qt::QtBackend backend(app);
  app.SetBackend(&backend);
  app.Show("Form11");
  // close message boxes automatically
  QTimer closer; QObject::connect(&closer, &QTimer::timeout, [] { if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) m->accept(); });
  closer.start(300);
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto arg = [&](size_t n) { return a.substr(n); };
    auto split = [](const std::string& s, std::string& f, std::string& c) { auto d = s.find('.'); f = s.substr(0, d); c = s.substr(d + 1); };
    std::string f, c;
    if (a.rfind("show:", 0) == 0) app.Show(arg(5));
    else if (a.rfind("click:", 0) == 0) { split(arg(6), f, c); app.Click(f, c); }
    else if (a.rfind("up:", 0) == 0) { split(arg(3), f, c); app.Up(f, c); }
    else if (a.rfind("tick:", 0) == 0) { split(arg(5), f, c); app.Tick(f, c, true); }
    else if (a.rfind("text:", 0) == 0) { auto e = a.find('='); split(a.substr(5, e - 5), f, c); app.SetText(f, c, a.substr(e + 1)); }
    else if (a.rfind("grab:", 0) == 0) { auto s = arg(5); auto d = s.find(':');
      for (int k = 0; k < 10; ++k) QApplication::processEvents();
      backend.Window(s.substr(0, d))->grab().save(QString::fromStdString(s.substr(d + 1))); }
    for (int k = 0; k < 5; ++k) QApplication::processEvents();
  }
  return 0;
}
