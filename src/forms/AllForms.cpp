#include "AllForms.h"

#include "Form11.h"
#include "HelpViewer.h"

namespace vl {

namespace {

// Stands in for a window that this build does not have yet.
class PlaceholderForm : public Form {
 public:
  PlaceholderForm(const std::string& name, const std::string& title) : Form(name) {
    caption = title;
    clientWidth = 6000;
    clientHeight = 3000;
  }
};

template <class F>
App::Factory Make() {
  return [] { return std::make_unique<F>(); };
}

App::Factory Placeholder(const std::string& name, const std::string& title) {
  return [name, title] { return std::make_unique<PlaceholderForm>(name, title); };
}

}  // namespace

const std::vector<std::string>& AllFormNames() {
  static const std::vector<std::string> names = {"Form11", "Form1", "Form2",  "Form3",  "Form4",
                                                 "Form5",  "Form6", "Form7",  "Form8",  "Form9",
                                                 "Form10", "Form12", "Form13", "Form14"};
  return names;
}

void RegisterAllForms(App& app) {
  app.Register("Form11", Make<Form11>());
  for (const char* n : {"Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8", "Form9"})
    app.Register(n, Placeholder(n, "VANTRE LOMIRA PLANA"));
  app.Register("Form10", [] { return std::make_unique<PagedHelpViewer>(Form10Config()); });
  app.Register("Form12", Make<Form12>());
  app.Register("Form13", [] { return std::make_unique<PagedHelpViewer>(Form13Config()); });
  app.Register("Form14", [] { return std::make_unique<PagedHelpViewer>(Form14Config()); });
}

}  // namespace vl
