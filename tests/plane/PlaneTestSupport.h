#pragma once
// A headless program with the main window open, and ways to read a topic window's drawing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AllForms.h"
#include "App.h"
#include "TopicWindow.h"

namespace vl::planetest {

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() {
    RegisterAllForms(app);
    app.Show("Form11");
    app.TakeMessages();
  }

  TopicWindow& Topic(const std::string& name) {
    Form* f = app.Loaded(name);
    EXPECT_NE(f, nullptr) << name << " is not loaded";
    return dynamic_cast<TopicWindow&>(*f);
  }
  TopicWindow& Open(const std::string& name) {
    app.Show(name);
    return Topic(name);
  }
  std::string& Box(const std::string& form, const std::string& control) { return Topic(form)[control].text; }
  // The text boxes, then a fresh drawing as a switch to another window and back makes it.
  void SetRange(const std::string& form, const std::string& xmin, const std::string& xmax, const std::string& ymin,
                const std::string& ymax) {
    Box(form, "Xmin") = xmin;
    Box(form, "Xmax") = xmax;
    Box(form, "Ymin") = ymin;
    Box(form, "Ymax") = ymax;
  }
  void Reactivate(const std::string& form) {
    app.Show("Form11");
    app.Show(form);
  }

  App app;
};

inline std::vector<DrawEntry> Entries(const DrawingArea& area, DrawEntry::Op op) {
  std::vector<DrawEntry> out;
  for (const DrawEntry& e : area.List())
    if (e.op == op) out.push_back(e);
  return out;
}

inline std::vector<DrawEntry> Lines(const DrawingArea& area) { return Entries(area, DrawEntry::Op::Line); }
inline std::vector<DrawEntry> Texts(const DrawingArea& area) { return Entries(area, DrawEntry::Op::Text); }

// Short vertical lines centred on the x axis.
inline std::vector<DrawEntry> XTicks(const DrawingArea& area) {
  std::vector<DrawEntry> out;
  for (const DrawEntry& e : Lines(area))
    if (e.colour == 0 && e.width == 1 && e.x1 == e.x2 && e.y1 == -e.y2 && e.y1 > 0) out.push_back(e);
  return out;
}
inline std::vector<DrawEntry> YTicks(const DrawingArea& area) {
  std::vector<DrawEntry> out;
  for (const DrawEntry& e : Lines(area))
    if (e.colour == 0 && e.width == 1 && e.y1 == e.y2 && e.x1 == -e.x2 && e.x1 < 0) out.push_back(e);
  return out;
}
inline std::vector<DrawEntry> GridLines(const DrawingArea& area) {
  std::vector<DrawEntry> out;
  for (const DrawEntry& e : Lines(area))
    if (e.colour == 8) out.push_back(e);
  return out;
}

}  // namespace vl::planetest
