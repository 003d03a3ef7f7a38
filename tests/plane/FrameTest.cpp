// The frame of the topic windows: what loading gives, the per-window differences, the spinners.
#include <map>
#include <set>

#include "PlaneTestSupport.h"

namespace vl::planetest {
namespace {

const std::vector<std::string> kTopicWindows = {"Form1", "Form2", "Form3", "Form4", "Form5",
                                                "Form6", "Form7", "Form8", "Form9"};

class FrameTest : public ProgramTest {};

TEST_F(FrameTest, LoadingGivesFreshControlsAndDrawsNothing) {
  app.Hide("Form3");  // loads without showing, so no activation
  TopicWindow& w = Topic("Form3");
  EXPECT_FALSE(w.visible);
  EXPECT_FALSE(w.SolveRequested);
  EXPECT_FALSE(w["SetaH"].visible);
  EXPECT_FALSE(w["SetaV"].visible);
  EXPECT_TRUE(w.Picture1().List().empty());
  EXPECT_FALSE(w.Picture1().UserScale());
  EXPECT_EQ(w["Xmin"].text, "-10");
  EXPECT_EQ(w["Xmax"].text, "10");
  EXPECT_EQ(w["Ymin"].text, "-10");
  EXPECT_EQ(w["Ymax"].text, "10");
  EXPECT_FALSE(w["DesenharGrelha"].value);
}

TEST_F(FrameTest, WindowsDifferOnlyWhereTheirTableSays) {
  struct Expected {
    const char* form;
    const char* title;
    const char* rule;
    bool blank;
    int pictureLeft;
    const char* scratch;
  };
  const Expected rows[] = {
      {"Form1", "PONTOS", "Label37", true, 60, ""},
      {"Form2", "RECTA - 1", "Label19", true, 60, "Text3"},
      {"Form3", "RECTA - 2", "Label13", false, 60, "TextA"},
      {"Form4", "CIRCUNFERÊNCIA - 1", "Label27", false, 60, "TextA"},
      {"Form5", "RECTA - 3", "Label5", false, 120, "TextA"},
      {"Form6", "CIRCUNFERÊNCIA - 2", "Label19", false, 120, "TextA"},
      {"Form7", "CIRCUNFERÊNCIA - 3", "Label19", false, 120, "TextA"},
      {"Form8", "RECTA - 4", "Label19", true, 120, "TextA"},
      {"Form9", "TRIÂNGULO", "Label19", true, 120, "TextA"},
  };
  for (const Expected& r : rows) {
    SCOPED_TRACE(r.form);
    TopicWindow& w = Open(r.form);
    EXPECT_EQ(w.caption, "VANTRE LOMIRA PLANA");
    EXPECT_EQ(w["Label2"].text, r.title);
    EXPECT_EQ(w["Label2"].font, (Font{"Comic Sans MS", 12, true}));
    EXPECT_EQ(w["Label2"].left, r.pictureLeft);
    const Control& pic = w["Picture1"];
    EXPECT_EQ(pic.left, r.pictureLeft);
    EXPECT_EQ(pic.top, 1440);
    EXPECT_EQ(pic.width, 9465);
    EXPECT_EQ(pic.height, 9465);
    EXPECT_EQ(w[r.rule].text, r.blank ? "(quando | Xmax-Xmin | > 50, não se graduam os eixos nem existe grelha)"
                                      : "(quando | Xmax-Xmin | > 50,não se graduam os eixos nem existe grelha)");
    EXPECT_EQ(w.ScratchBoxName(), r.scratch);
    if (*r.scratch) {
      EXPECT_EQ(w[r.scratch].text, r.scratch);
      EXPECT_FALSE(w[r.scratch].visible);
    }
    // Only the points window explains its spinners and grid switch.
    const bool tips = std::string(r.form) == "Form1";
    EXPECT_EQ(w["UpDown3"].tooltip, tips ? "Altera o valor de Xmáx" : "");
    EXPECT_EQ(w["DesenharGrelha"].tooltip.empty(), !tips);
    // The frame stays inside the window and clear of the problems' area.
    EXPECT_LE(w["Eixos"].top + w["Eixos"].height, TopicWindow::kProblemsTop);
    EXPECT_LE(TopicWindow::kPanelLeft + TopicWindow::kPanelWidth, w.clientWidth);
    EXPECT_GE(pic.left + pic.width, 0);
    EXPECT_LE(pic.top + pic.height, w.clientHeight);
  }
}

TEST_F(FrameTest, ButtonRowRunsFromSairToIndice) {
  for (const std::string& name : kTopicWindows) {
    SCOPED_TRACE(name);
    TopicWindow& w = Open(name);
    std::vector<const Control*> row;
    for (const auto& c : w.Controls())
      if (c->kind == ControlKind::CommandButton && c->container.empty()) row.push_back(c.get());
    ASSERT_EQ(row.size(), 14u);
    const int top = (name == "Form1" || name == "Form3") ? 180 : 120;
    std::set<int> lefts;
    for (const Control* c : row) {
      EXPECT_EQ(c->top, top);
      EXPECT_EQ(c->width, 765);
      EXPECT_EQ(c->height, 765);
      lefts.insert(c->left);
    }
    EXPECT_EQ(lefts.size(), 14u);
    EXPECT_EQ(w["Sair"].left, 120);
    EXPECT_EQ(w["Command17"].left, 1213);
    EXPECT_EQ(w["Command14"].left, 14340);
    EXPECT_EQ(w["Command14"].text, "Índice");
    EXPECT_LT(w["Command13"].left, w["Command15"].left);
    EXPECT_LT(w["Command15"].left, w["Command16"].left);
    EXPECT_LT(w["Command16"].left, w["Command14"].left);
    EXPECT_LE(w["Command14"].left + 765, w.clientWidth);
    EXPECT_EQ(w["Sair"].picture, "sair");
    EXPECT_EQ(w["Command17"].picture, "fechar");
    EXPECT_EQ(w["Sair"].tooltip, "Abandonar o programa");
  }
}

TEST_F(FrameTest, FieldsAreExposedToScripts) {
  TopicWindow& w = Open("Form6");
  w.SolveRequested = true;
  std::map<std::string, FieldValue> fields;
  for (auto& [k, v] : w.Fields()) fields[k] = v;
  EXPECT_EQ(std::get<double>(fields.at("PlotXMin")), -10.0);
  EXPECT_EQ(std::get<double>(fields.at("PlotMarginX")), static_cast<double>(0.4f));
  EXPECT_EQ(std::get<double>(fields.at("UnitsPerPixelY")), static_cast<double>(w.UnitsPerPixelY));
  EXPECT_TRUE(std::get<bool>(fields.at("SolveRequested")));
}

// The spinners step two boxes together and redraw nothing.
class SpinnerTest : public ProgramTest {
 protected:
  void SetUp() override {
    window = &Open("Form1");
    drawn = window->Picture1().List().size();
  }
  TopicWindow* window = nullptr;
  std::size_t drawn = 0;
};

TEST_F(SpinnerTest, EachSpinnerMovesItsPairByOne) {
  struct Case {
    const char* spinner;
    bool up;
    const char* first;
    const char* second;
  };
  const Case cases[] = {
      {"UpDown1", true, "Xmin", "Ymin"},  {"UpDown1", false, "Xmin", "Ymin"}, {"UpDown2", true, "Ymin", "Xmin"},
      {"UpDown2", false, "Ymin", "Xmin"}, {"UpDown3", true, "Xmax", "Ymax"},  {"UpDown3", false, "Xmax", "Ymax"},
      {"UpDown4", true, "Ymax", "Xmax"},  {"UpDown4", false, "Ymax", "Xmax"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.spinner) + (c.up ? " up" : " down"));
    SetRange("Form1", "-4", "6", "-3", "7");
    std::map<std::string, std::string> before;
    for (const char* b : {"Xmin", "Xmax", "Ymin", "Ymax"}) before[b] = Box("Form1", b);
    ASSERT_TRUE(c.up ? app.Up("Form1", c.spinner) : app.Down("Form1", c.spinner));
    for (const char* b : {"Xmin", "Xmax", "Ymin", "Ymax"}) {
      const bool moved = std::string(b) == c.first || std::string(b) == c.second;
      const int old = std::stoi(before[b]);
      EXPECT_EQ(Box("Form1", b), std::to_string(moved ? old + (c.up ? 1 : -1) : old)) << b;
    }
  }
  EXPECT_EQ(window->Picture1().List().size(), drawn);
  EXPECT_EQ(window->PlotXMin, -10.0f) << "the fields wait for the next drawing";
}

TEST_F(SpinnerTest, ThreeDownsThenTheNextDrawingShowsTheNewRange) {
  for (int k = 0; k < 3; ++k) app.Down("Form1", "UpDown1");
  EXPECT_EQ(Box("Form1", "Xmin"), "-13");
  EXPECT_EQ(Box("Form1", "Ymin"), "-13");
  EXPECT_EQ(window->Picture1().List().size(), drawn);
  Reactivate("Form1");
  EXPECT_EQ(window->PlotXMin, -13.0f);
  EXPECT_EQ(window->PlotYMin, -13.0f);
  EXPECT_EQ(XTicks(window->Picture1()).size(), 23u);
}

TEST_F(SpinnerTest, KeepsTheDifferenceTheUserTyped) {
  Box("Form1", "Ymax") = "7";
  app.Up("Form1", "UpDown3");
  EXPECT_EQ(Box("Form1", "Xmax"), "11");
  EXPECT_EQ(Box("Form1", "Ymax"), "8");
}

TEST_F(SpinnerTest, WritesNumbersTheProgramsWay) {
  Box("Form1", "Xmin") = "2,5";
  Box("Form1", "Ymin") = " 0.5 ";
  app.Up("Form1", "UpDown1");
  EXPECT_EQ(Box("Form1", "Xmin"), "3,5");
  EXPECT_EQ(Box("Form1", "Ymin"), "1,5");
  app.Down("Form1", "UpDown1");
  app.Down("Form1", "UpDown1");
  EXPECT_EQ(Box("Form1", "Xmin"), "1,5");
  EXPECT_EQ(Box("Form1", "Ymin"), "-0,5");
  Box("Form1", "Xmax") = "1E+15";
  app.Up("Form1", "UpDown3");
  EXPECT_EQ(Box("Form1", "Xmax"), "1E+15");
  EXPECT_TRUE(app.Messages().empty());
}

TEST_F(SpinnerTest, AnUnreadableBoxChangesNeitherOfThePair) {
  // Whichever of the two boxes is bad, the other one is not stepped either.
  for (const char* bad : {"Xmin", "Ymin"}) {
    SCOPED_TRACE(bad);
    SetRange("Form1", "-10", "10", "-10", "10");
    Box("Form1", bad) = "abc";
    app.TakeMessages();
    app.Up("Form1", "UpDown1");
    EXPECT_EQ(Box("Form1", bad), "abc");
    EXPECT_EQ(Box("Form1", std::string(bad) == "Xmin" ? "Ymin" : "Xmin"), "-10");
    const auto messages = app.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Os valores de Xmínimo, Xmáximo, Ymínimo e Ymáximo têm de ser números.");
    EXPECT_EQ(messages[0].title, "Vantre Lomira");
    EXPECT_EQ(messages[0].icon, MsgIcon::Information);
  }
  // The window still answers once the box is mended.
  Box("Form1", "Ymin") = "-10";
  app.Down("Form1", "UpDown2");
  EXPECT_EQ(Box("Form1", "Ymin"), "-11");
  EXPECT_EQ(Box("Form1", "Xmin"), "-11");
}

}  // namespace
}  // namespace vl::planetest
