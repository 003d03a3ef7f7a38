#include "AllForms.h"

#include "Form1.h"
#include "Form11.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "Form5.h"
#include "Form6.h"
#include "Form7.h"
#include "Form8.h"
#include "Form9.h"
#include "HelpViewer.h"
#include "MainPictures.h"

namespace vl {

namespace {

template <class F>
App::Factory Make() {
  return [] { return std::make_unique<F>(); };
}

}  // namespace

const std::vector<std::string>& AllFormNames() {
  static const std::vector<std::string> names = {"Form11", "Form1", "Form2", "Form3",  "Form4",  "Form5",  "Form6",
                                                 "Form7",  "Form8", "Form9", "Form10", "Form12", "Form13", "Form14"};
  return names;
}

void RegisterAllForms(App& app) {
  app.Register("Form11", [] {
    auto main = std::make_unique<Form11>();
    DrawMainPictures(*main);
    return main;
  });
  app.Register("Form1", Make<Form1>());
  app.Register("Form2", Make<Form2>());
  app.Register("Form3", Make<Form3>());
  app.Register("Form4", Make<Form4>());
  app.Register("Form5", Make<Form5>());
  app.Register("Form6", Make<Form6>());
  app.Register("Form7", Make<Form7>());
  app.Register("Form8", Make<Form8>());
  app.Register("Form9", Make<Form9>());
  app.Register("Form10", [] { return std::make_unique<PagedHelpViewer>(Form10Config()); });
  app.Register("Form12", Make<Form12>());
  app.Register("Form13", [] { return std::make_unique<PagedHelpViewer>(Form13Config()); });
  app.Register("Form14", [] { return std::make_unique<PagedHelpViewer>(Form14Config()); });
}

}  // namespace vl
