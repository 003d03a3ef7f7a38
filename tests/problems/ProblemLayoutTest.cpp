// The problem frames fit the panel below "Eixos", and nothing inside a frame covers anything else.
#include <gtest/gtest.h>

#include "ProblemTestSupport.h"

namespace {

using namespace vl;

struct Rect {
  int left, top, right, bottom;
};

Rect Of(const Control& c) { return {c.left, c.top, c.left + c.width, c.top + c.height}; }
bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

void CheckProblemLayout(TopicWindow& w, const std::vector<std::string>& frames) {
  std::vector<Rect> placed;
  for (const std::string& name : frames) {
    SCOPED_TRACE(name);
    const Control& frame = w[name];
    ASSERT_EQ(frame.kind, ControlKind::Frame);
    const Rect r = Of(frame);
    EXPECT_GE(r.left, TopicWindow::kPanelLeft);
    EXPECT_LE(r.right, TopicWindow::kPanelLeft + TopicWindow::kPanelWidth);
    EXPECT_GE(r.top, TopicWindow::kProblemsTop);
    EXPECT_LE(r.bottom, w.clientHeight);
    for (const Rect& other : placed) EXPECT_FALSE(Overlap(r, other));
    placed.push_back(r);

    std::vector<const Control*> children;
    for (const auto& c : w.Controls())
      if (c->container == name) children.push_back(c.get());
    EXPECT_FALSE(children.empty());
    for (std::size_t i = 0; i < children.size(); ++i) {
      const Control& c = *children[i];
      SCOPED_TRACE(c.name);
      EXPECT_GE(c.top, 240) << "below the frame's caption";
      EXPECT_GE(c.left, 60);
      EXPECT_LE(c.left + c.width, frame.width - 60);
      EXPECT_LE(c.top + c.height, frame.height - 60);
      if (c.kind == ControlKind::TextBox) {
        EXPECT_GE(c.height, 285);
      }
      if (c.kind == ControlKind::CommandButton) {
        EXPECT_GE(c.height, 375);
      }
      for (std::size_t j = 0; j < i; ++j)
        EXPECT_FALSE(Overlap(Of(c), Of(*children[j]))) << "covers " << children[j]->name;
    }
  }
}

class LayoutTest : public ::testing::Test {
 protected:
  LayoutTest() {
    RegisterAllForms(app);
    app.Show("Form11");
  }
  App app;
};

TEST_F(LayoutTest, PointsWindow) {
  app.Show("Form1");
  CheckProblemLayout(dynamic_cast<TopicWindow&>(*app.Loaded("Form1")), {"Frame4", "Frame6", "Frame7", "Frame1"});
}

TEST_F(LayoutTest, Lines1Window) {
  app.Show("Form2");
  CheckProblemLayout(dynamic_cast<TopicWindow&>(*app.Loaded("Form2")), {"Frame6", "Frame4", "Frame1", "Frame8"});
}

}  // namespace
