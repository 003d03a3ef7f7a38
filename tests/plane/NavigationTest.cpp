// Moving between windows with the row of buttons.
#include <cstdint>
#include <map>
#include <set>

#include "PlaneTestSupport.h"

namespace vl::planetest {
namespace {

class NavigationTest : public ProgramTest {};

// Every topic button, from every window, replaces the window by the one its caption names.
TEST_F(NavigationTest, EveryTopicButtonLeadsToTheWindowItNames) {
  // clang-format off
  const std::map<std::string, std::string> titleByCaption = {
      {"Ponto", "PONTOS"},          {"Recta 1", "RECTA - 1"},          {"Rectas 1", "RECTA - 1"},
      {"Recta 2", "RECTA - 2"},     {"Rectas 2", "RECTA - 2"},         {"Recta 3", "RECTA - 3"},
      {"Rectas 3", "RECTA - 3"},    {"Recta 4", "RECTA - 4"},          {"Rectas 4", "RECTA - 4"},
      {"Círculo 1", "CIRCUNFERÊNCIA - 1"}, {"Círculo 2", "CIRCUNFERÊNCIA - 2"},
      {"Círculo 3", "CIRCUNFERÊNCIA - 3"}, {"Triângulo", "TRIÂNGULO"}};
  // clang-format on
  for (const char* from : {"Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8", "Form9"}) {
    const TopicConfig& config = TopicConfigFor(from);
    ASSERT_EQ(config.topicButtons.size(), 8u) << from;
    std::set<std::string> targets;
    for (const TopicButton& b : config.topicButtons) {
      SCOPED_TRACE(std::string(from) + "." + b.control);
      App local;
      RegisterAllForms(local);
      local.Show("Form11");
      local.Show(from);
      const std::string caption = (*local.Loaded(from))[b.control].text;
      ASSERT_TRUE(local.Click(from, b.control));
      EXPECT_EQ(local.Loaded(from), nullptr);
      Form* to = local.ActiveForm();
      ASSERT_NE(to, nullptr);
      EXPECT_TRUE(to->visible);
      EXPECT_EQ((*to)["Label2"].text, titleByCaption.at(caption));
      EXPECT_FALSE(dynamic_cast<TopicWindow&>(*to).Picture1().List().empty()) << "its plane is drawn";
      targets.insert(to->Name());
    }
    EXPECT_EQ(targets.size(), 8u);
    EXPECT_EQ(targets.count(from), 0u);
  }
}

TEST_F(NavigationTest, ComingBackThroughTopicButtonsGivesAFreshWindow) {
  TopicWindow& points = Open("Form1");
  SetRange("Form1", "-5", "5", "-5", "5");
  app.Tick("Form1", "DesenharGrelha", true);
  Reactivate("Form1");
  points.Picture1().foreColor = 12;
  ASSERT_TRUE(points.DrawLineFromCoefs({1.0, -1.0, 0.0}));
  points.SolveRequested = true;

  ASSERT_TRUE(app.Click("Form1", "Command2"));  // "Rectas 1"
  EXPECT_EQ(app.Loaded("Form1"), nullptr);
  ASSERT_TRUE(app.Click("Form2", "Command2"));  // "Ponto"
  EXPECT_EQ(app.Loaded("Form2"), nullptr);
  TopicWindow& fresh = Topic("Form1");
  EXPECT_EQ(app.ActiveForm(), &fresh);
  EXPECT_EQ(fresh["Xmin"].text, "-10");
  EXPECT_EQ(fresh["Xmax"].text, "10");
  EXPECT_EQ(fresh["Ymin"].text, "-10");
  EXPECT_EQ(fresh["Ymax"].text, "10");
  EXPECT_FALSE(fresh["DesenharGrelha"].value);
  EXPECT_FALSE(fresh.SolveRequested);
  EXPECT_EQ(fresh.PlotXMin, -10.0f);
  for (const DrawEntry& e : fresh.Picture1().List()) EXPECT_NE(e.colour, 12);
  EXPECT_TRUE(GridLines(fresh.Picture1()).empty());
}

TEST_F(NavigationTest, ATargetOpenedEarlierKeepsItsBoxesAndIsRedrawn) {
  Open("Form4");
  Box("Form4", "Xmax") = "12";
  Open("Form1");
  ASSERT_TRUE(app.Click("Form1", "Command4"));  // "Círculo 1"
  TopicWindow& circles = Topic("Form4");
  EXPECT_EQ(app.ActiveForm(), &circles);
  EXPECT_EQ(circles["Xmax"].text, "12");
  EXPECT_EQ(circles.PlotXMax, 12.0f);
}

TEST_F(NavigationTest, ATopicButtonActivatesNoOtherOpenWindowOnTheWay) {
  // The lines 3 window, wider than 50 units, explains its missing graduation at every drawing;
  // it was the active window just before the lines 2 window.
  TopicWindow& lines3 = Open("Form5");
  SetRange("Form5", "-30", "30", "-30", "30");
  Reactivate("Form5");
  Open("Form3");
  const std::uint64_t lines3Drawing = lines3.Picture1().Revision();
  app.TakeMessages();

  ASSERT_TRUE(app.Click("Form3", "Command2"));  // "Ponto"
  EXPECT_TRUE(app.TakeMessages().empty());
  EXPECT_EQ(lines3.Picture1().Revision(), lines3Drawing) << "not redrawn on the way";
  EXPECT_EQ(app.ActiveForm(), app.Loaded("Form1"));
}

TEST_F(NavigationTest, HelpOpensBesideAndTheDrawingStays) {
  const std::pair<const char*, const char*> help[] = {
      {"Command13", "Form10"}, {"Command14", "Form12"}, {"Command15", "Form13"}, {"Command16", "Form14"}};
  for (auto [button, viewer] : help) {
    SCOPED_TRACE(button);
    TopicWindow& w = Open("Form7");
    w.Picture1().foreColor = 9;
    w.Picture1().Line(1, 2, 3, 4);
    const std::size_t drawn = w.Picture1().List().size();
    ASSERT_TRUE(app.Click("Form7", button));
    ASSERT_NE(app.Loaded(viewer), nullptr);
    EXPECT_TRUE(app.Loaded(viewer)->visible);
    EXPECT_EQ(app.Loaded("Form7"), &w);
    EXPECT_TRUE(w.visible);
    EXPECT_EQ(w.Picture1().List().size(), drawn);
    app.Hide(viewer);
  }
}

TEST_F(NavigationTest, FecharReloadsHiddenAndTheMenuShowsItFresh) {
  TopicWindow& w = Open("Form3");
  SetRange("Form3", "-5", "5", "-5", "5");
  ASSERT_TRUE(app.Click("Form3", "Command17"));
  TopicWindow& hidden = Topic("Form3");
  EXPECT_FALSE(hidden.visible);
  EXPECT_EQ(hidden["Xmin"].text, "-10");
  EXPECT_TRUE(hidden.Picture1().List().empty()) << "loaded, never activated";
  EXPECT_NE(app.ActiveForm(), &hidden);
  (void)w;

  ASSERT_TRUE(app.Click("Form11", "Reta2"));
  EXPECT_EQ(app.ActiveForm(), &hidden);
  EXPECT_TRUE(hidden.visible);
  EXPECT_EQ(hidden.PlotXMin, -10.0f);
  EXPECT_FALSE(hidden.Picture1().List().empty());
}

TEST_F(NavigationTest, TheTitleBarsCloseBoxActsAsFechar) {
  Open("Form8");
  Box("Form8", "Ymax") = "3";
  app.CloseBox("Form8");
  TopicWindow& w = Topic("Form8");
  EXPECT_FALSE(w.visible);
  EXPECT_EQ(w["Ymax"].text, "10");
  EXPECT_FALSE(app.Ended());
}

TEST_F(NavigationTest, SairEndsTheProgramFromAnyWindow) {
  Open("Form5");
  Open("Form9");
  app.Show("Form12");
  ASSERT_TRUE(app.Click("Form9", "Sair"));
  EXPECT_TRUE(app.Ended());
  EXPECT_TRUE(app.LoadedForms().empty());
}

}  // namespace
}  // namespace vl::planetest
