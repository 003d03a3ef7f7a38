#pragma once
// A headless program with the main window open, and ways to drive a problem window and read what
// its handlers drew, wrote and said.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AllForms.h"
#include "App.h"
#include "Module1.h"
#include "TopicWindow.h"

namespace vl::problemtest {

inline constexpr int kData = 9;
inline constexpr int kResult = 12;

class ProblemWindowTest : public ::testing::Test {
 protected:
  explicit ProblemWindowTest(std::string form) : form_(std::move(form)) {
    RegisterAllForms(app);
    app.Show("Form11");
    app.Show(form_);
    app.TakeMessages();
  }

  TopicWindow& Window() { return dynamic_cast<TopicWindow&>(*app.Loaded(form_)); }
  Control& Ctl(const std::string& name) { return Window()[name]; }
  void Set(const std::string& box, const std::string& text) { ASSERT_TRUE(app.SetText(form_, box, text)); }
  void Click(const std::string& button) { ASSERT_TRUE(app.Click(form_, button)); }
  const std::string& Caption(const std::string& name) { return Ctl(name).text; }
  const std::vector<DrawEntry>& List() { return Window().Picture1().List(); }
  std::vector<MessageRecord> Messages() { return app.TakeMessages(); }
  // Exactly one message box since the last look, with this text, title and icon.
  void ExpectOneMessage(const std::string& text, const std::string& title, MsgIcon icon) {
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, text);
    EXPECT_EQ(messages[0].title, title);
    EXPECT_EQ(messages[0].icon, icon);
  }
  void SetRange(const char* xmin, const char* xmax, const char* ymin, const char* ymax) {
    Set("Xmin", xmin);
    Set("Xmax", xmax);
    Set("Ymin", ymin);
    Set("Ymax", ymax);
  }

  // What the problem drew, leaving out the plane (black axes and ticks, grey grid).
  std::vector<DrawEntry> Drawn(DrawEntry::Op op, int colour) {
    std::vector<DrawEntry> out;
    for (const DrawEntry& e : List())
      if (e.op == op && e.colour == colour) out.push_back(e);
    return out;
  }
  std::vector<DrawEntry> ProblemEntries() {
    std::vector<DrawEntry> out;
    for (const DrawEntry& e : List())
      if (e.colour == kData || e.colour == kResult) out.push_back(e);
    return out;
  }

  App app;

 private:
  std::string form_;
};

inline bool IsLine(const DrawEntry& e, float x1, float y1, float x2, float y2) {
  return e.op == DrawEntry::Op::Line && e.x1 == x1 && e.y1 == y1 && e.x2 == x2 && e.y2 == y2;
}

inline std::string Text(const Module1::Coef& c) { return c.Text(); }

}  // namespace vl::problemtest
