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

// Every problem frame of every topic window: the frames are the form-level frames below "Eixos".
class LayoutTest : public ::testing::TestWithParam<const char*> {
 protected:
  LayoutTest() {
    RegisterAllForms(app);
    app.Show("Form11");
  }
  App app;
};

TEST_P(LayoutTest, FramesFitThePanelAndNothingCoversAnything) {
  app.Show(GetParam());
  auto& w = dynamic_cast<TopicWindow&>(*app.Loaded(GetParam()));
  std::vector<std::string> frames;
  for (const auto& c : w.Controls())
    if (c->kind == ControlKind::Frame && c->container.empty() && c->name != "Eixos") frames.push_back(c->name);
  EXPECT_GE(frames.size(), 2u);
  CheckProblemLayout(w, frames);
}

INSTANTIATE_TEST_SUITE_P(TopicWindows, LayoutTest,
                         ::testing::Values("Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8",
                                           "Form9"));

}  // namespace
