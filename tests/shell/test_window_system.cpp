// The window-system layer without a screen: one instance per window, the life cycle, activation,
// message boxes, user actions and the faults that escape a handler.
#include <gtest/gtest.h>

#include <array>

#include "AllForms.h"
#include "App.h"
#include "RunTimeError.h"

namespace vl {
namespace {

// A small window that counts what the window system does to it.
class Probe : public Form {
 public:
  explicit Probe(const std::string& name, int* loads, int* activations)
      : Form(name), loads_(loads), activations_(activations) {
    caption = name;
    AddAll({
        {"Text1", ControlKind::TextBox, "", 0, 0, 1000, 285, "design"},
        {"Frame1", ControlKind::Frame, "", 0, 400, 2000, 1000, "Frame"},
        {"Option1", ControlKind::OptionButton, "Frame1", 100, 200, 900, 255, "a"},
        {"Option2", ControlKind::OptionButton, "Frame1", 100, 500, 900, 255, "b"},
        {"Frame2", ControlKind::Frame, "", 0, 1500, 2000, 1000, "Frame"},
        {"Option3", ControlKind::OptionButton, "Frame2", 100, 200, 900, 255, "c"},
        {"Option4", ControlKind::OptionButton, "Frame2", 100, 500, 900, 255, "d"},
        {"Check1", ControlKind::CheckBox, "", 0, 2600, 1500, 255, "tick"},
        {"Fail", ControlKind::CommandButton, "", 0, 3000, 1000, 375, "Fail"},
        {"Message", ControlKind::CommandButton, "", 0, 3400, 1000, 375, "Message"},
        {"Off", ControlKind::CommandButton, "", 0, 3800, 1000, 375, "Off"},
        {"Spin", ControlKind::Spinner, "", 1100, 0, 255, 285},
    });
    (*this)["Off"].enabled = false;
    On("Fail", Event::Click, [] { throw RunTimeError(11, "Divisão por zero"); });
    On("Message", Event::Click, [this] {
      MsgBox("Olá", MsgIcon::Information, "Vantre lomira");
      ++afterMessage;
    });
    On("Off", Event::Click, [this] { ++afterMessage; });
    On("Spin", Event::UpClick, [this] { ++ups; });
    On("Spin", Event::DownClick, [this] { --ups; });
  }
  void Form_Load() override { ++*loads_; }
  void Form_Activate() override { ++*activations_; }

  int afterMessage = 0;
  int ups = 0;

 private:
  int* loads_;
  int* activations_;
};

class WindowSystem : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAllForms(app);
    for (const char* n : {"A", "B"})
      app.Register(n, [this, n] { return std::make_unique<Probe>(n, &loads[n], &activations[n]); });
    app.Show("Form11");
  }
  Probe& probe(const std::string& name) { return dynamic_cast<Probe&>(*app.Loaded(name)); }

  App app;
  std::map<std::string, int> loads, activations;
};

TEST_F(WindowSystem, EachWindowExistsOnceAndLoadsOnFirstShow) {
  EXPECT_EQ(app.Loaded("A"), nullptr);
  app.Show("A");
  Form* first = app.Loaded("A");
  ASSERT_NE(first, nullptr);
  app.Show("A");
  EXPECT_EQ(app.Loaded("A"), first);
  EXPECT_EQ(loads["A"], 1);

  // The menu item of a window does the same: "Pontos" twice leaves one points window.
  app.Click("Form11", "Pontos");
  Form* points = app.Loaded("Form1");
  app.Click("Form11", "Pontos");
  EXPECT_EQ(app.Loaded("Form1"), points);
}

TEST_F(WindowSystem, HideKeepsStateAndUnloadDiscardsIt) {
  app.Show("A");
  app.SetText("A", "Text1", "changed");
  app.Hide("A");
  EXPECT_FALSE(app.Loaded("A")->visible);
  app.Show("A");
  EXPECT_EQ((*app.Loaded("A"))["Text1"].text, "changed");
  EXPECT_EQ(loads["A"], 1);

  app.Unload("A");
  EXPECT_EQ(app.Loaded("A"), nullptr);
  app.Show("A");
  EXPECT_EQ((*app.Loaded("A"))["Text1"].text, "design");
  EXPECT_EQ(loads["A"], 2);
}

TEST_F(WindowSystem, HidingAWindowThatIsNotLoadedLoadsItHidden) {
  app.Hide("A");
  ASSERT_NE(app.Loaded("A"), nullptr);
  EXPECT_FALSE(app.Loaded("A")->visible);
  EXPECT_EQ(loads["A"], 1);
  EXPECT_EQ(activations["A"], 0);
}

TEST_F(WindowSystem, ActivateRunsOnEveryActivationButNotTwiceInARow) {
  app.Show("A");
  EXPECT_EQ(activations["A"], 1);
  app.Show("A");  // already the active window
  EXPECT_EQ(activations["A"], 1);
  app.Show("B");
  app.Activated("A");
  EXPECT_EQ(activations["A"], 2);
  EXPECT_EQ(app.ActiveForm(), app.Loaded("A"));
  // Hiding the active window hands activation back to the one before it.
  app.Hide("A");
  EXPECT_EQ(app.ActiveForm(), app.Loaded("B"));
  EXPECT_EQ(activations["B"], 2);
}

TEST_F(WindowSystem, AMessageBoxIsRecordedAnsweredAndIsNoActivation) {
  app.Show("A");
  ASSERT_TRUE(app.Click("A", "Message"));
  EXPECT_EQ(probe("A").afterMessage, 1);  // the handler went on after OK
  EXPECT_EQ(activations["A"], 1);
  auto messages = app.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Olá");
  EXPECT_EQ(messages[0].title, "Vantre lomira");
  EXPECT_EQ(messages[0].icon, MsgIcon::Information);
  EXPECT_TRUE(app.TakeMessages().empty());

  app.MsgBox("sem título");
  EXPECT_EQ(app.Messages().back().title, "Vantre Lomira");
  EXPECT_EQ(app.Messages().back().icon, MsgIcon::None);
}

TEST_F(WindowSystem, AFaultThatEscapesAHandlerIsShownNotFatal) {
  app.Show("A");
  EXPECT_TRUE(app.Click("A", "Fail"));
  ASSERT_EQ(app.Messages().size(), 1u);
  EXPECT_EQ(app.Messages()[0].text, "Erro:\r\n\r\nDivisão por zero");
  EXPECT_FALSE(app.Ended());
}

TEST_F(WindowSystem, UserActionsFollowTheControls) {
  app.Show("A");
  Form& a = *app.Loaded("A");
  EXPECT_TRUE(a["Option1"].value);  // first of each frame selected
  EXPECT_TRUE(a["Option3"].value);
  EXPECT_TRUE(app.Choose("A", "Option2"));
  EXPECT_FALSE(a["Option1"].value);
  EXPECT_TRUE(a["Option2"].value);
  EXPECT_TRUE(a["Option3"].value);  // the other frame's group is untouched

  EXPECT_TRUE(app.Click("A", "Check1"));
  EXPECT_TRUE(a["Check1"].value);
  EXPECT_TRUE(app.Tick("A", "Check1", false));
  EXPECT_FALSE(a["Check1"].value);

  EXPECT_FALSE(app.Click("A", "Off"));  // disabled buttons take no clicks
  EXPECT_EQ(probe("A").afterMessage, 0);
  EXPECT_FALSE(app.SetText("A", "Check1", "x"));

  EXPECT_TRUE(app.Up("A", "Spin"));
  EXPECT_TRUE(app.Up("A", "Spin"));
  EXPECT_TRUE(app.Down("A", "Spin"));
  EXPECT_EQ(probe("A").ups, 1);
  EXPECT_FALSE(app.Up("A", "Text1"));
  EXPECT_THROW(app.Click("A", "Nothing"), std::out_of_range);
}

TEST_F(WindowSystem, AbandonarOProgramaEndsWithOtherWindowsOpen) {
  app.Click("Form11", "Pontos");
  app.Click("Form11", "Instruções");
  app.Show("A");
  ASSERT_TRUE(app.Click("Form11", "AbandonarPrograma"));
  EXPECT_TRUE(app.Ended());
  EXPECT_TRUE(app.LoadedForms().empty());
  app.Show("A");  // nothing comes back after the end
  EXPECT_EQ(app.Loaded("A"), nullptr);
}

TEST_F(WindowSystem, ClosingTheMainWindowEndsTheProgram) {
  app.Show("A");
  app.CloseBox("Form11");
  EXPECT_TRUE(app.Ended());
}

TEST_F(WindowSystem, MainWindowDeclaresItsMenuInOrder) {
  Form& main = *app.Loaded("Form11");
  EXPECT_EQ(main.caption, "VANTRE LOMIRA");
  std::vector<std::string> bar, inFile;
  for (const auto& c : main.Controls()) {
    if (c->kind != ControlKind::Menu) continue;
    (c->container.empty() ? bar : inFile).push_back(c->text);
  }
  EXPECT_EQ(bar, (std::vector<std::string>{"Ficheiro", "Pontos", "Reta 1", "Reta 2", "Reta 3", "Reta 4",
                                           "Circunferência 1", "Circunferência 2", "Circunferência 3", "Triângulo",
                                           "Índice", "Instruções", "Sintaxe", "Funções definidas"}));
  EXPECT_EQ(inFile, std::vector<std::string>{"Abandonar o programa"});
  EXPECT_EQ(main["Circunfrência2"].text, "Circunferência 2");
  EXPECT_EQ(main["Label6"].font, (Font{"Comic Sans MS", 48, true}));
  EXPECT_EQ(main["Label2"].text, "Versão 2.2");
}

TEST_F(WindowSystem, EveryMenuItemOpensItsWindow) {
  // clang-format off
  const std::vector<std::pair<std::string, std::string>> items = {
      {"Pontos", "Form1"},         {"Reta1", "Form2"},           {"Reta2", "Form3"},
      {"Reta3", "Form5"},          {"Reta4", "Form8"},           {"Circunferência1", "Form4"},
      {"Circunfrência2", "Form6"}, {"Circunferência3", "Form7"}, {"Triângulo", "Form9"},
      {"Índice", "Form12"},        {"Instruções", "Form10"},     {"Sintaxe", "Form13"},
      {"FunçõesDefinidas", "Form14"}};
  // clang-format on
  for (const auto& [item, form] : items) {
    SCOPED_TRACE(item);
    ASSERT_TRUE(app.Click("Form11", item));
    ASSERT_NE(app.Loaded(form), nullptr);
    EXPECT_TRUE(app.Loaded(form)->visible);
    EXPECT_TRUE(app.Loaded("Form11")->visible);  // the main window stays
  }
  app.TakeMessages();
}

// A control starts as its declaration says, field for field, in its run-time defaults otherwise;
// a picture box gets a drawing area inside its two-pixel border.
TEST(ControlTable, AControlIsItsDeclaration) {
  const ControlDecl decls[] = {
      {"Label1", ControlKind::Label, "Frame1", 15, 30, 450, 600, "Olá", "dica", Font{"Comic Sans MS", 12, true}, 0xFF,
       "main-1", Align::Right},
      {"Picture1", ControlKind::PictureBox, "", 60, 1440, 9465, 9465},
  };
  Form f("Form99");
  for (const ControlDecl& d : decls) {
    SCOPED_TRACE(d.name);
    const Control& c = f.Add(d);
    const ControlDecl& kept = c;
    EXPECT_EQ(kept.name, d.name);
    EXPECT_EQ(kept.kind, d.kind);
    EXPECT_EQ(kept.container, d.container);
    EXPECT_EQ((std::array{kept.left, kept.top, kept.width, kept.height}),
              (std::array{d.left, d.top, d.width, d.height}));
    EXPECT_EQ(kept.text, d.text);
    EXPECT_EQ(kept.tooltip, d.tooltip);
    EXPECT_EQ(kept.font, d.font);
    EXPECT_EQ(kept.foreColor, d.foreColor);
    EXPECT_EQ(kept.picture, d.picture);
    EXPECT_EQ(kept.alignment, d.alignment);
    EXPECT_EQ(c.backColor, -1);
    EXPECT_TRUE(c.enabled && c.visible && !c.value);
    EXPECT_EQ(c.drawing != nullptr, d.kind == ControlKind::PictureBox);
  }
  EXPECT_EQ(f["Picture1"].drawing->PixelWidth(), 627);
  EXPECT_EQ(f["Picture1"].drawing->PixelHeight(), 627);
}

}  // namespace
}  // namespace vl
