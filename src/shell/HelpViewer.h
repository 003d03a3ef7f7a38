#pragma once
// The help viewers: fixed pages shown one at a time, turned with two arrow buttons.
#include <string>

#include "Form.h"

namespace vl {

struct HelpViewerConfig {
  std::string formName;
  std::string caption;
  std::string pagePrefix;  // picture names are pagePrefix + page number
  int pages;
  int pageDigits;               // "funcoes-01" has two digits, "instrucoes-1" one
  int outerWidth, outerHeight;  // twips, set at load
};

// The instructions, syntax and defined-functions viewers: a page counter and two arrows.
class PagedHelpViewer : public Form {
 public:
  explicit PagedHelpViewer(const HelpViewerConfig& config);

  int CurrentPage = 1;

  void Form_Load() override;
  void CloseBox() override;
  void SetaD_Click();
  void SetaE_Click();
  void Command1_Click();
  std::string FocusOnShow() const override;
  std::string FocusInsteadOf(const std::string& control) const override;

  int PageCount() const { return config_.pages; }
  std::vector<std::pair<std::string, FieldValue>> Fields() const override;

  static std::string PageControl(int page);

 private:
  HelpViewerConfig config_;
};

// The index viewer: two pages and one arrow spot that shows either arrow.
class Form12 : public Form {
 public:
  Form12();

  void Form_Load() override;
  void CloseBox() override;
  void SetaD_Click();
  void SetaE_Click();
  void Command1_Click();
  std::string FocusOnShow() const override;
  std::string FocusInsteadOf(const std::string& control) const override;
};

const HelpViewerConfig& Form10Config();
const HelpViewerConfig& Form13Config();
const HelpViewerConfig& Form14Config();

// The picture name of a help page, e.g. "help/funcoes-07".
std::string HelpPageName(const HelpViewerConfig& config, int page);

}  // namespace vl
