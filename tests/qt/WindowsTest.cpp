// The real widgets, offscreen: windows, menus, input, activation, message boxes, the close box.
#include <gtest/gtest.h>
#include <malloc.h>

#include <functional>
#include <QAbstractButton>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "AllForms.h"
#include "App.h"
#include "HelpViewer.h"
#include "QtBackend.h"
#include "Widgets.h"

namespace {

using namespace vl;

// A small window of our own that counts what happens to it.
class Probe : public Form {
 public:
  explicit Probe(const std::string& name) : Form(name) {
    caption = "Sonda " + name;
    clientWidth = 4500;
    clientHeight = 3000;
    AddAll({
        {"Say", ControlKind::CommandButton, "", 120, 120, 1200, 405, "Diz"},
        {"T1", ControlKind::TextBox, "", 120, 705, 1500, 300, "-10"},
        {"UpDown1", ControlKind::Spinner, "", 1650, 705, 255, 285},
        {"Check1", ControlKind::CheckBox, "", 120, 1200, 1500, 255, "Grelha"},
        {"Frame1", ControlKind::Frame, "", 2100, 120, 2000, 1500, "Opções"},
        {"Option1", ControlKind::OptionButton, "Frame1", 120, 300, 1500, 255, "Uma"},
        {"Option2", ControlKind::OptionButton, "Frame1", 120, 700, 1500, 255, "Outra"},
    });
    On("Say", Event::Click, [this] {
      MsgBox("Linha 1\r\nLinha 2", MsgIcon::Information, "Título");
      resumed = true;
    });
    On("UpDown1", Event::UpClick, [this] {
      ++ups;
      (*this)["T1"].text = "up";
    });
    On("UpDown1", Event::DownClick, [this] { ++downs; });
    On("Check1", Event::Click, [this] { ++ticks; });
    On("Option2", Event::Click, [this] { ++choices; });
  }
  void Form_Activate() override { ++activations; }

  int activations = 0, ups = 0, downs = 0, ticks = 0, choices = 0;
  bool resumed = false;
};

void Settle() {
  for (int i = 0; i < 5; ++i) {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

// Counts one kind of event that reaches an object.
class EventCounter : public QObject {
 public:
  EventCounter(QObject* target, QEvent::Type type) : type_(type) { target->installEventFilter(this); }
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == type_) ++count;
    return false;
  }

 private:
  QEvent::Type type_;
};

// Waits in the background for the next modal message box, lets `inspect` look at it and presses OK.
// A box that never comes leaves nothing behind; one that is never answered is closed after a while.
void AnswerNextBox(std::function<void(QMessageBox&)> inspect) {
  auto* timer = new QTimer;
  auto* clock = new QElapsedTimer;
  clock->start();
  QObject::connect(timer, &QTimer::timeout, [timer, clock, inspect] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box) {
      inspect(*box);
      box->button(QMessageBox::Ok)->click();
    }
    if (box || clock->elapsed() > 3000) {
      timer->stop();
      timer->deleteLater();
      delete clock;
    }
  });
  timer->start(10);
}

// Answers every modal message box while it lives: lets `inspect` look at it, counts it, presses OK.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(std::function<void(QMessageBox&)> inspect = {}) : inspect_(std::move(inspect)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      ++count;
      if (inspect_) inspect_(*box);
      box->button(QMessageBox::Ok)->click();
    });
    timer_.start(1);
  }
  int count = 0;

 private:
  std::function<void(QMessageBox&)> inspect_;
  QTimer timer_;
};

class QtWindows : public testing::Test {
 protected:
  QtWindows() {
    RegisterAllForms(app);
    app.Register("A", [] { return std::make_unique<Probe>("A"); });
    app.Register("B", [] { return std::make_unique<Probe>("B"); });
    app.SetBackend(&backend);
  }
  ~QtWindows() override {
    app.SetBackend(nullptr);
    Settle();
  }
  Probe& P(const std::string& name) { return dynamic_cast<Probe&>(*app.Loaded(name)); }
  template <class W>
  W* Get(const std::string& form, const std::string& control) {
    auto* w = qobject_cast<W*>(backend.Widget(form, control));
    EXPECT_NE(w, nullptr) << form << "." << control;
    return w;
  }

  App app;
  qt::QtBackend backend{app};
};

TEST_F(QtWindows, MainWindowHasItsMenuBarAndOpensTopicWindows) {
  app.Show("Form11");
  auto* main = qobject_cast<QMainWindow*>(backend.Window("Form11"));
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(main->isVisible());
  EXPECT_EQ(main->windowTitle(), "VANTRE LOMIRA");
  EXPECT_EQ(main->centralWidget()->size(), QSize(1016, 714));

  const QStringList expected = {"Ficheiro", "Pontos",           "Reta 1",           "Reta 2",           "Reta 3",
                                "Reta 4",   "Circunferência 1", "Circunferência 2", "Circunferência 3", "Triângulo",
                                "Índice",   "Instruções",       "Sintaxe",          "Funções definidas"};
  QStringList seen;
  for (QAction* a : main->menuBar()->actions()) seen << a->text();
  EXPECT_EQ(seen, expected);
  const auto actions = main->menuBar()->actions();
  ASSERT_EQ(actions.size(), 14);
  ASSERT_NE(actions[0]->menu(), nullptr);
  ASSERT_EQ(actions[0]->menu()->actions().size(), 1);
  EXPECT_EQ(actions[0]->menu()->actions()[0]->text(), "Abandonar o programa");
  for (int i = 1; i < 14; ++i) EXPECT_EQ(actions[i]->menu(), nullptr) << seen[i].toStdString();

  // The title labels: 48 pt at 96 dpi, bold, blue, where the table puts them.
  auto* title = Get<QLabel>("Form11", "Label6");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->text(), "VANTRE");
  EXPECT_EQ(title->geometry(), QRect(408, 376, 400, 90));
  EXPECT_EQ(title->font().pixelSize(), 64);
  EXPECT_TRUE(title->font().bold());
  EXPECT_EQ(title->palette().color(QPalette::WindowText), QColor(0, 0, 255));

  // A click on the bar entry itself opens the points window.
  QMenuBar* bar = main->menuBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(actions[1]).center());
  QWidget* points = backend.Window("Form1");
  ASSERT_NE(points, nullptr);
  EXPECT_TRUE(points->isVisible());
  EXPECT_TRUE(points->isWindow());
  EXPECT_EQ(qobject_cast<QMainWindow*>(points), nullptr);
  EXPECT_EQ(points->windowTitle().toStdString(), app.Loaded("Form1")->caption);
  EXPECT_EQ(app.ActiveForm(), app.Loaded("Form1"));
  EXPECT_TRUE(main->isVisible());

  // The drop-down's entry ends the program.
  actions[0]->menu()->actions()[0]->trigger();
  EXPECT_TRUE(app.Ended());
}

TEST_F(QtWindows, WindowsFollowTheirFormsAndTheirDrawing) {
  app.Show("Form1");
  QWidget* w = backend.Window("Form1");
  ASSERT_NE(w, nullptr);
  Form& form = *app.Loaded("Form1");
  EXPECT_EQ(w->size(), QSize(form.clientWidth / 15, form.clientHeight / 15));
  // The drawing area: a two-pixel border around the area's inner pixels.
  for (const auto& c : form.Controls()) {
    if (!c->drawing) continue;
    auto* view = Get<qt::DrawingView>("Form1", c->name);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->size(), QSize(c->drawing->PixelWidth() + 4, c->drawing->PixelHeight() + 4));
    // The plane is drawn: the view's pixels carry the axes in black.
    const QImage img = view->grab().toImage();
    int black = 0;
    for (int y = 0; y < img.height(); y += 2)
      for (int x = 2; x < img.width() - 2; ++x) black += (img.pixel(x, y) & 0xFFFFFF) == 0;
    EXPECT_GT(black, 100);
  }
}

TEST_F(QtWindows, MessageBoxIsModalAndClosingItIsNoActivation) {
  app.Show("A");
  Settle();
  QWidget* window = backend.Window("A");
  ASSERT_NE(window, nullptr);
  const int before = P("A").activations;
  EXPECT_EQ(before, 1);

  EventCounter activated(window, QEvent::WindowActivate);
  bool seen = false;
  AnswerNextBox([&](QMessageBox& box) {
    seen = true;
    EXPECT_EQ(box.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(box.windowTitle(), "Título");
    EXPECT_EQ(box.text(), "Linha 1\nLinha 2");
    EXPECT_EQ(box.icon(), QMessageBox::Information);
    EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box.parentWidget(), window);
  });
  QTest::mouseClick(Get<QAbstractButton>("A", "Say"), Qt::LeftButton);
  EXPECT_TRUE(seen);
  EXPECT_TRUE(P("A").resumed);  // the handler went on after OK
  // The window manager hands the activation back to the window below the box.
  window->activateWindow();
  Settle();
  EXPECT_GE(activated.count, 1) << "the window below should have become active again";
  EXPECT_EQ(P("A").activations, before);

  // A real change of window does run Form_Activate.
  app.Show("B");
  Settle();
  EXPECT_EQ(P("B").activations, 1);
  window->activateWindow();
  Settle();
  EXPECT_EQ(P("A").activations, before + 1);
}

TEST_F(QtWindows, InputReachesTheModelAndTheModelTheScreen) {
  app.Show("A");
  Settle();
  Form& form = *app.Loaded("A");
  auto* edit = Get<QLineEdit>("A", "T1");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->text(), "-10");
  edit->selectAll();
  QTest::keyClicks(edit, "3,5");
  EXPECT_EQ(form["T1"].text, "3,5");
  edit->setCursorPosition(1);
  backend.Refresh();
  EXPECT_EQ(edit->cursorPosition(), 1);  // an unchanged text is left alone

  auto* spinner = Get<qt::SpinnerWidget>("A", "UpDown1");
  ASSERT_NE(spinner, nullptr);
  EXPECT_EQ(spinner->size(), QSize(17, 19));
  QTest::mouseClick(spinner->UpButton(), Qt::LeftButton);
  EXPECT_EQ(P("A").ups, 1);
  EXPECT_EQ(P("A").downs, 0);
  EXPECT_EQ(edit->text(), "up");  // written by the handler
  QTest::mouseClick(spinner->DownButton(), Qt::LeftButton);
  EXPECT_EQ(P("A").ups, 1);
  EXPECT_EQ(P("A").downs, 1);

  auto* check = Get<QCheckBox>("A", "Check1");
  ASSERT_NE(check, nullptr);
  QTest::mouseClick(check, Qt::LeftButton);
  EXPECT_TRUE(form["Check1"].value);
  EXPECT_EQ(P("A").ticks, 1);

  auto* one = Get<QRadioButton>("A", "Option1");
  auto* two = Get<QRadioButton>("A", "Option2");
  ASSERT_TRUE(one && two);
  EXPECT_EQ(two->parentWidget(), backend.Widget("A", "Frame1"));
  EXPECT_EQ(two->pos(), QPoint(8, 47));
  EXPECT_TRUE(one->isChecked());
  QTest::mouseClick(two, Qt::LeftButton);
  EXPECT_TRUE(form["Option2"].value);
  EXPECT_FALSE(form["Option1"].value);
  EXPECT_EQ(P("A").choices, 1);

  // A handler's changes show after the next refresh.
  form["Option1"].value = true;
  form["Option2"].value = false;
  form["Say"].enabled = false;
  form["Say"].text = "Mudou";
  form["Say"].tooltip = "Dica";
  form["Check1"].visible = false;
  form["T1"].left = 300;
  backend.Refresh();
  EXPECT_TRUE(one->isChecked());
  EXPECT_FALSE(two->isChecked());
  auto* say = Get<QAbstractButton>("A", "Say");
  EXPECT_FALSE(say->isEnabled());
  EXPECT_EQ(say->text(), "Mudou");
  EXPECT_EQ(say->toolTip(), "Dica");
  EXPECT_TRUE(check->isHidden());
  EXPECT_EQ(edit->x(), 20);
  // A disabled button takes no clicks.
  QTest::mouseClick(say, Qt::LeftButton);
  EXPECT_FALSE(P("A").resumed);
}

TEST_F(QtWindows, CloseBoxHidesAWindowAndOnTheMainWindowEndsTheProgram) {
  app.Show("A");
  QPointer<QWidget> probe = backend.Window("A");
  ASSERT_TRUE(probe);
  probe->close();
  EXPECT_FALSE(app.Ended());
  EXPECT_FALSE(app.Loaded("A")->visible);
  EXPECT_FALSE(probe->isVisible());
  app.Show("A");
  EXPECT_TRUE(probe->isVisible());  // the same window again

  app.Show("Form11");
  app.Show("Form1");
  QPointer<QWidget> main = backend.Window("Form11");
  QPointer<QWidget> points = backend.Window("Form1");
  ASSERT_TRUE(main && points);
  main->close();
  EXPECT_TRUE(app.Ended());
  EXPECT_TRUE(app.LoadedForms().empty());
  Settle();
  for (const QPointer<QWidget>& w : {main, points, probe}) EXPECT_TRUE(w.isNull() || !w->isVisible());
}

}  // namespace

namespace {

// The lines 3 window explains a plane without graduation in a box at every drawing. On the real
// widgets that box must come once per drawing: its closing hands the activation back to the
// window, and that must not draw (and ask) again.
TEST_F(QtWindows, Lines3RangeMessageComesOncePerDrawing) {
  app.Show("Form5");
  Settle();
  QWidget* window = backend.Window("Form5");
  ASSERT_NE(window, nullptr);
  app.SetText("Form5", "Xmin", "-30");
  app.SetText("Form5", "Xmax", "30");

  BoxAnswerer boxes([](QMessageBox& box) {
    EXPECT_EQ(box.windowTitle(), "Vantre lomira");
    EXPECT_EQ(box.icon(), QMessageBox::Information);
    EXPECT_EQ(box.text(),
              "Não se graduam os eixos nem se desenha a grelha porque os valores e linhas ficavam sobrepostos.");
  });
  // Coming back from another window draws the plane for the new range.
  app.Show("A");
  Settle();
  window->activateWindow();
  Settle();
  EXPECT_EQ(boxes.count, 1);
  // The box is gone, the window is active again: no further drawing and no further box.
  window->activateWindow();
  for (int i = 0; i < 20; ++i) {
    Settle();
    QTest::qWait(5);
  }
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(boxes.count, 1);
  EXPECT_EQ(P("A").activations, 1);
}

}  // namespace

namespace {

// After a window is shown, the window manager may pass the activation through another window
// before the new one (the one that held the focus is gone). That passing activation must not
// run the other window's Form_Activate, nor a second one of the shown window.
TEST_F(QtWindows, APassingActivationOnTheWayToAShownWindowIsIgnored) {
  app.Show("B");
  Settle();
  ASSERT_EQ(P("B").activations, 1);
  app.Show("A");
  ASSERT_EQ(P("A").activations, 1);
  QEvent toB(QEvent::WindowActivate);
  QApplication::sendEvent(backend.Window("B"), &toB);
  QEvent toA(QEvent::WindowActivate);
  QApplication::sendEvent(backend.Window("A"), &toA);
  Settle();
  EXPECT_EQ(P("B").activations, 1);
  EXPECT_EQ(P("A").activations, 1);
  EXPECT_EQ(app.ActiveForm(), app.Loaded("A"));

  // Once the shown window is confirmed, the user's change of window counts again.
  QApplication::sendEvent(backend.Window("B"), &toB);
  Settle();
  EXPECT_EQ(P("B").activations, 2);
}

}  // namespace

namespace {

// Showing a topic window from the menu and closing it with "Fechar", again and again: no widget
// stays behind and the heap does not grow, so nothing of the windows gone stays in Qt's caches.
TEST_F(QtWindows, ShowingAndClosingATopicWindowKeepsMemorySteady) {
  app.Show("Form11");
  QAction* menu = backend.MenuAction("Form11", "Pontos");
  ASSERT_NE(menu, nullptr);
  auto cycle = [&] {
    menu->trigger();
    Settle();
    ASSERT_TRUE(backend.Window("Form1")->isVisible());
    Get<QAbstractButton>("Form1", "Command17")->click();
    Settle();
    ASSERT_FALSE(backend.Window("Form1")->isVisible());
  };
  for (int i = 0; i < 30; ++i) cycle();  // caches filled once
  const auto widgets = QApplication::allWidgets().size();
  const std::size_t heap = mallinfo2().uordblks;
  constexpr int kCycles = 150;
  for (int i = 0; i < kCycles; ++i) cycle();
  EXPECT_EQ(QApplication::allWidgets().size(), widgets);
  const double growth = (static_cast<double>(mallinfo2().uordblks) - static_cast<double>(heap)) / kCycles;
  EXPECT_LT(growth, 512) << "bytes a cycle";
}

}  // namespace

namespace {

// The keyboard as a user meets it, through the window's own key events. A topic window shown from
// the menu has the focus in the first box of its first problem, so a stray Space types there
// instead of pressing "Sair".
TEST_F(QtWindows, TopicWindowFromTheMenuHasTheFocusInItsFirstBox) {
  app.Show("Form11");
  Settle();
  struct First {
    const char *menu, *form, *box;
  };
  for (const First& f :
       {First{"Pontos", "Form1", "Abcissa1"}, First{"Reta1", "Form2", "Text1"}, First{"Reta2", "Form3", "Text3"},
        First{"Reta3", "Form5", "Abcissa1"}, First{"Reta4", "Form8", "Abcissa1"},
        First{"Circunferência1", "Form4", "Text3"}, First{"Circunfrência2", "Form6", "Abcissa1"},
        First{"Circunferência3", "Form7", "Text6"}, First{"Triângulo", "Form9", "Abcissa1"}}) {
    SCOPED_TRACE(f.form);
    backend.MenuAction("Form11", f.menu)->trigger();
    Settle();
    QWidget* window = backend.Window(f.form);
    ASSERT_NE(window, nullptr);
    auto* box = Get<QLineEdit>(f.form, f.box);
    EXPECT_EQ(window->focusWidget(), box);
    Form& form = *app.Loaded(f.form);
    const std::string before = form[f.box].text;
    QTest::keyClick(window->windowHandle(), Qt::Key_Space);
    ASSERT_FALSE(app.Ended());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(form[f.box].text, before + " ");
    Get<QAbstractButton>(f.form, "Command17")->click();  // "Fechar"
    Settle();
  }
}

// Enter and keypad Enter press the focused button, as Space does; Up and Down in a range box
// step it and its partner as the spinner's arrows do.
TEST_F(QtWindows, EnterPressesAFocusedButtonAndArrowsStepARangeBox) {
  app.Show("Form1");
  Settle();
  QWindow* window = backend.Window("Form1")->windowHandle();
  Form& form = *app.Loaded("Form1");
  Get<QAbstractButton>("Form1", "Resolver3")->setFocus();
  QTest::keyClick(window, Qt::Key_Return);
  EXPECT_EQ(form["Resultado1"].text, "(-3 , 1)");
  Get<QAbstractButton>("Form1", "Resolver6")->setFocus();
  QTest::keyClick(window, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(form["Resultado2"].text, "Sqr(232)");

  Get<QLineEdit>("Form1", "Xmin")->setFocus();
  QTest::keyClick(window, Qt::Key_Up);
  EXPECT_EQ(form["Xmin"].text, "-9");
  EXPECT_EQ(form["Ymin"].text, "-9");
  EXPECT_EQ(Get<QLineEdit>("Form1", "Xmin")->text(), "-9");
  Get<QLineEdit>("Form1", "Ymax")->setFocus();
  QTest::keyClick(window, Qt::Key_Down);
  QTest::keyClick(window, Qt::Key_Down);
  EXPECT_EQ(form["Ymax"].text, "8");
  EXPECT_EQ(form["Xmax"].text, "8");
  // Arrows in a problem's box are no spinner's.
  Get<QLineEdit>("Form1", "Abcissa1")->setFocus();
  QTest::keyClick(window, Qt::Key_Up);
  EXPECT_EQ(form["Xmin"].text, "-9");

  Get<QAbstractButton>("Form1", "Command17")->setFocus();  // "Fechar", a picture button
  QTest::keyClick(window, Qt::Key_Return);
  EXPECT_FALSE(app.Loaded("Form1")->visible);
}

}  // namespace

namespace {

// The real program keeps no record of the boxes it has shown: box after box, nothing grows. (Qt's
// own allocations wander by a few kilobytes; a record of every box would add over 100 bytes a box.)
TEST_F(QtWindows, ManyMessageBoxesLeaveNothingGrowing) {
  app.Show("Form1");
  Settle();
  app.SetText("Form1", "Abcissa1", "1/0");
  BoxAnswerer answerer;
  auto* solve = Get<QAbstractButton>("Form1", "Resolver1");
  auto boxes = [&](int n) {
    for (int i = 0; i < n; ++i) {
      solve->click();
      Settle();
    }
  };
  boxes(500);  // caches filled once
  ASSERT_EQ(answerer.count, 500) << "every click shows the \"Erro:\" box";
  const auto widgets = QApplication::allWidgets().size();
  const std::size_t heap = mallinfo2().uordblks;
  constexpr int kBoxes = 1000;
  boxes(kBoxes);
  EXPECT_EQ(answerer.count, 500 + kBoxes);
  EXPECT_TRUE(app.Messages().empty());
  EXPECT_EQ(QApplication::allWidgets().size(), widgets);
  const double growth = (static_cast<double>(mallinfo2().uordblks) - static_cast<double>(heap)) / kBoxes;
  EXPECT_LT(growth, 32) << "bytes a box";
}

}  // namespace

namespace {

struct Viewer {
  const char *menu, *form;
};
const Viewer kViewers[] = {
    {"Instruções", "Form10"}, {"Sintaxe", "Form13"}, {"FunçõesDefinidas", "Form14"}, {"Índice", "Form12"}};

// A help viewer opened from the menu has the focus on its next-page arrow, and shows it: the first
// Return turns the page instead of closing the viewer.
TEST_F(QtWindows, AHelpViewerShownHasTheFocusOnItsNextPageArrow) {
  app.Show("Form11");
  Settle();
  for (const Viewer& v : kViewers) {
    SCOPED_TRACE(v.form);
    backend.MenuAction("Form11", v.menu)->trigger();
    Settle();
    QWidget* window = backend.Window(v.form);
    ASSERT_NE(window, nullptr);
    auto* next = Get<QAbstractButton>(v.form, "SetaD");
    auto* close = Get<QAbstractButton>(v.form, "Command1");
    EXPECT_EQ(window->focusWidget(), next);
    // The focus is seen: the arrow looks otherwise once the focus has gone.
    const QImage withFocus = next->grab().toImage();
    close->setFocus();
    EXPECT_NE(next->grab().toImage(), withFocus);
    next->setFocus();

    QTest::keyClick(window->windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(app.Loaded(v.form)->Find("SetaE")->visible);
    EXPECT_TRUE(app.Loaded(v.form)->Find("SetaE")->enabled);
    close->click();
    Settle();
    ASSERT_FALSE(window->isVisible());
  }
}

// Space after Space on the arrow that has the focus pages a viewer to its end and back: the arrow
// disabled or hidden under the focus hands it to the other arrow, never to "Fechar".
TEST_F(QtWindows, PagingAViewerToItsEndAndBackByKeyboardKeepsTheFocusOnAnArrow) {
  app.Show("Form11");
  Settle();
  for (const Viewer& v : kViewers) {
    SCOPED_TRACE(v.form);
    backend.MenuAction("Form11", v.menu)->trigger();
    Settle();
    QWidget* window = backend.Window(v.form);
    ASSERT_NE(window, nullptr);
    Form& form = *app.Loaded(v.form);
    const bool index = std::string(v.form) == "Form12";
    const int pages = index ? 2 : dynamic_cast<PagedHelpViewer&>(form).PageCount();
    auto page = [&] { return index ? (form["Image2"].visible ? 2 : 1) : std::stoi(form["Label2"].text); };
    auto* next = Get<QAbstractButton>(v.form, "SetaD");
    auto* previous = Get<QAbstractButton>(v.form, "SetaE");
    for (int k = 2; k <= pages; ++k) {
      QTest::keyClick(window->windowHandle(), Qt::Key_Space);
      ASSERT_EQ(page(), k);
    }
    EXPECT_EQ(window->focusWidget(), previous);
    for (int k = pages - 1; k >= 1; --k) {
      QTest::keyClick(window->windowHandle(), Qt::Key_Space);
      ASSERT_TRUE(window->isVisible());
      ASSERT_EQ(page(), k);
    }
    EXPECT_EQ(window->focusWidget(), next);
    QTest::keyClick(window->windowHandle(), Qt::Key_Space);
    EXPECT_EQ(page(), 2);
    EXPECT_TRUE(window->isVisible());
    Get<QAbstractButton>(v.form, "Command1")->click();
    Settle();
  }
}

}  // namespace

namespace {

// A message box is at least as wide as its title needs in a title bar (the text in the bold title
// font, the window's icon and three buttons as wide as the bar is high), so no window manager cuts
// the title short; and it is only wider: text, icon and button stand where Qt puts them.
TEST_F(QtWindows, AMessageBoxIsAtLeastAsWideAsItsTitleNeeds) {
  app.Show("A");
  app.Show("Form1");
  Settle();
  QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  titleFont.setBold(true);
  BoxAnswerer answerer([&](QMessageBox& box) {
    const int bar = box.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    EXPECT_GE(box.width(), QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + 4 * bar)
        << box.windowTitle().toStdString();
    QMessageBox plain(box.icon(), box.windowTitle(), box.text(), QMessageBox::Ok);
    plain.setTextFormat(Qt::PlainText);
    plain.show();
    EXPECT_EQ(box.height(), plain.height());
    for (const char* part : {"qt_msgbox_label", "qt_msgboxex_icon_label", "qt_msgbox_buttonbox"})
      EXPECT_EQ(box.findChild<QWidget*>(part)->pos(), plain.findChild<QWidget*>(part)->pos()) << part;
    plain.hide();
  });

  app.SetText("Form1", "Abcissa1", "1/0");
  Get<QAbstractButton>("Form1", "Resolver1")->click();
  Settle();
  ASSERT_EQ(answerer.count, 1);
  app.SetText("Form1", "Abcissa1", "abc");
  Get<QAbstractButton>("Form1", "Resolver1")->click();
  Settle();
  ASSERT_EQ(answerer.count, 2);
  Get<QAbstractButton>("A", "Say")->click();  // with an icon
  Settle();
  EXPECT_EQ(answerer.count, 3);
}

}  // namespace

namespace {

// Alt, then Right: the entry of the menu bar the keyboard has reached is highlighted, as the one
// the mouse presses is, and Return opens its window.
TEST_F(QtWindows, TheMenuBarHighlightsTheEntryTheKeyboardHasReached) {
  app.Show("Form11");
  Settle();
  auto* main = qobject_cast<QMainWindow*>(backend.Window("Form11"));
  ASSERT_NE(main, nullptr);
  QMenuBar* bar = main->menuBar();
  const auto actions = bar->actions();
  // The share of an entry's pixels in the highlight colour.
  auto highlighted = [&](int entry) {
    const QImage image = bar->grab().toImage();
    const QRect r = bar->actionGeometry(actions[entry]);
    const QColor highlight = bar->palette().color(QPalette::Highlight);
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) n += image.pixelColor(x, y) == highlight;
    return static_cast<double>(n) / (r.width() * r.height());
  };
  for (int entry = 0; entry < 3; ++entry) EXPECT_LT(highlighted(entry), 0.05) << entry;

  QTest::keyClick(main->windowHandle(), Qt::Key_Alt);
  ASSERT_EQ(bar->activeAction(), actions[0]);
  EXPECT_GT(highlighted(0), 0.5);
  QTest::keyClick(main->windowHandle(), Qt::Key_Right);
  ASSERT_EQ(bar->activeAction(), actions[1]);
  EXPECT_GT(highlighted(1), 0.5);
  EXPECT_LT(highlighted(0), 0.05);
  EXPECT_LT(highlighted(2), 0.05);

  QTest::keyClick(main->windowHandle(), Qt::Key_Return);
  Settle();
  EXPECT_TRUE(app.Loaded("Form1") && app.Loaded("Form1")->visible);
  EXPECT_LT(highlighted(1), 0.05);  // the keyboard has left the bar
}

}  // namespace
