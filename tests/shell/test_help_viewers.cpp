// Paging in the help viewers.
#include <gtest/gtest.h>

#include <tuple>

#include "AllForms.h"
#include "App.h"
#include "HelpViewer.h"

namespace vl {
namespace {

class HelpViewers : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAllForms(app);
    app.Show("Form11");
  }
  Form& Open(const std::string& item, const std::string& form) {
    app.Click("Form11", item);
    return *app.Loaded(form);
  }
  static std::vector<int> VisiblePages(Form& f, int n) {
    std::vector<int> pages;
    for (int k = 1; k <= n; ++k)
      if (f[PagedHelpViewer::PageControl(k)].visible) pages.push_back(k);
    return pages;
  }
  App app;
};

TEST_F(HelpViewers, AFreshViewerShowsPageOneOfN) {
  for (auto [item, form, n, outerW, outerH] :
       {std::tuple{"Instruções", "Form10", 5, 7035, 10500}, std::tuple{"Sintaxe", "Form13", 4, 7350, 11310},
        std::tuple{"FunçõesDefinidas", "Form14", 23, 7245, 10965}}) {
    SCOPED_TRACE(form);
    Form& v = Open(item, form);
    EXPECT_EQ(VisiblePages(v, n), std::vector<int>{1});
    EXPECT_FALSE(v["SetaE"].enabled);
    EXPECT_TRUE(v["SetaD"].enabled);
    EXPECT_EQ(v["Label1"].text, "Página");
    EXPECT_EQ(v["Label2"].text, "1");
    EXPECT_EQ(v["Label3"].text, "de  " + std::to_string(n));
    EXPECT_EQ(v["Command1"].text, "Fechar");
    EXPECT_EQ(v.outerWidth, outerW);
    EXPECT_EQ(v.outerHeight, outerH);
    for (int k = 1; k <= n; ++k) {
      EXPECT_EQ(v[PagedHelpViewer::PageControl(k)].left, 60);
      EXPECT_EQ(v[PagedHelpViewer::PageControl(k)].top, 120);
    }
  }
  EXPECT_EQ(app.Loaded("Form13")->caption, "SINTAXE");
  EXPECT_EQ(app.Loaded("Form14")->caption, "FUNÇÕES DEFINIDAS");
  EXPECT_EQ(app.Loaded("Form14")->Find("Image1(7)")->picture, "help/funcoes-07");
}

TEST_F(HelpViewers, ArrowsWalkToTheLastPageAndBack) {
  Form& v = Open("Instruções", "Form10");
  for (int k = 2; k <= 5; ++k) {
    ASSERT_TRUE(app.Click("Form10", "SetaD"));
    EXPECT_EQ(VisiblePages(v, 5), std::vector<int>{k});
    EXPECT_EQ(v["Label2"].text, std::to_string(k));
    EXPECT_TRUE(v["SetaE"].enabled);
  }
  EXPECT_FALSE(v["SetaD"].enabled);
  EXPECT_FALSE(app.Click("Form10", "SetaD"));  // disabled: a fifth click is impossible
  EXPECT_EQ(VisiblePages(v, 5), std::vector<int>{5});
  for (int k = 4; k >= 1; --k) {
    ASSERT_TRUE(app.Click("Form10", "SetaE"));
    EXPECT_EQ(VisiblePages(v, 5), std::vector<int>{k});
    EXPECT_TRUE(v["SetaD"].enabled);
  }
  EXPECT_FALSE(v["SetaE"].enabled);
  EXPECT_EQ(v["Label2"].text, "1");
}

TEST_F(HelpViewers, FecharOnlyHidesAndThePageStays) {
  Form& v = Open("Instruções", "Form10");
  app.Click("Form10", "SetaD");
  app.Click("Form10", "SetaD");
  app.Click("Form10", "Command1");
  EXPECT_FALSE(v.visible);
  EXPECT_EQ(app.Loaded("Form10"), &v);
  Form& again = Open("Instruções", "Form10");
  EXPECT_EQ(&again, &v);
  EXPECT_TRUE(again.visible);
  EXPECT_EQ(VisiblePages(again, 5), std::vector<int>{3});
  EXPECT_EQ(again["Label2"].text, "3");
  // The title bar's close box behaves as "Fechar".
  app.CloseBox("Form10");
  EXPECT_FALSE(v.visible);
  EXPECT_EQ(app.Loaded("Form10"), &v);
}

TEST_F(HelpViewers, TheIndexShowsOneArrowAtOneSpot) {
  Form& v = Open("Índice", "Form12");
  EXPECT_EQ(v.caption, "VANTRE LOMIRA");
  EXPECT_EQ(v["SetaE"].left, v["SetaD"].left);
  EXPECT_EQ(v["SetaE"].top, v["SetaD"].top);
  EXPECT_TRUE(v["Image1"].visible);
  EXPECT_FALSE(v["Image2"].visible);
  EXPECT_TRUE(v["SetaD"].visible);
  EXPECT_FALSE(v["SetaE"].visible);
  ASSERT_TRUE(app.Click("Form12", "SetaD"));
  EXPECT_FALSE(v["Image1"].visible);
  EXPECT_TRUE(v["Image2"].visible);
  EXPECT_FALSE(v["SetaD"].visible);
  EXPECT_TRUE(v["SetaE"].visible);
  EXPECT_FALSE(app.Click("Form12", "SetaD"));  // hidden now
  ASSERT_TRUE(app.Click("Form12", "SetaE"));
  EXPECT_TRUE(v["Image1"].visible);
  EXPECT_TRUE(v["SetaD"].visible);
  EXPECT_FALSE(v["SetaE"].visible);
}

// The keyboard in a viewer as the window system plays it: the focus starts where the viewer says,
// Space presses the control that has it, and a control disabled or hidden under the focus hands it
// on where the viewer says. Space after Space pages to the end and back and never reaches "Fechar".
TEST_F(HelpViewers, SpaceAfterSpacePagesToTheEndAndBackOnTheArrows) {
  for (auto [item, form, n] : {std::tuple{"Instruções", "Form10", 5}, std::tuple{"Sintaxe", "Form13", 4},
                               std::tuple{"FunçõesDefinidas", "Form14", 23}, std::tuple{"Índice", "Form12", 2}}) {
    SCOPED_TRACE(form);
    Form& v = Open(item, form);
    auto page = [&v, form = std::string(form)] {
      return form == "Form12" ? (v["Image2"].visible ? 2 : 1) : std::stoi(v["Label2"].text);
    };
    std::string focus = v.FocusOnShow();
    EXPECT_EQ(focus, "SetaD");
    std::vector<int> pages, expected;
    for (int k = 2; k <= n; ++k) expected.push_back(k);
    for (int k = n - 1; k >= 1; --k) expected.push_back(k);
    for (std::size_t press = 0; press < expected.size(); ++press) {
      ASSERT_TRUE(app.Click(form, focus)) << "press " << press << " on " << focus;
      pages.push_back(page());
      const Control& pressed = v[focus];
      if (!pressed.enabled || !pressed.visible) focus = v.FocusInsteadOf(focus);
      ASSERT_TRUE(focus == "SetaD" || focus == "SetaE") << focus;
    }
    EXPECT_EQ(pages, expected);
    EXPECT_EQ(focus, "SetaD");
    EXPECT_TRUE(v.visible);
    EXPECT_EQ(v.FocusInsteadOf("Command1"), "");
  }
}

// A viewer shown again where its next-page arrow cannot be pressed starts on the other arrow.
TEST_F(HelpViewers, AViewerShownAgainAtItsLastPageStartsOnTheOtherArrow) {
  Form& v = Open("Sintaxe", "Form13");
  for (int k = 2; k <= 4; ++k) app.Click("Form13", "SetaD");
  app.Click("Form13", "Command1");
  EXPECT_EQ(Open("Sintaxe", "Form13").FocusOnShow(), "SetaE");
  app.Click("Form13", "SetaE");
  EXPECT_EQ(v.FocusOnShow(), "SetaD");

  Form& index = Open("Índice", "Form12");
  app.Click("Form12", "SetaD");
  app.Click("Form12", "Command1");
  EXPECT_EQ(Open("Índice", "Form12").FocusOnShow(), "SetaE");
  EXPECT_EQ(&index, app.Loaded("Form12"));
}

}  // namespace
}  // namespace vl
