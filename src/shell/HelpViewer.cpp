#include "HelpViewer.h"

#include <cstdio>

#include "App.h"
#include "Palette.h"

namespace vl {

namespace {

// Borders and title bar of a window, in twips, to turn the outer size into the client area.
constexpr int kFrameWidth = 120;
constexpr int kFrameHeight = 495;
constexpr int kArrowSize = 435;
constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 435;
const Font kCounterFont{"MS Sans Serif", 9.75, true};

// The keyboard in a viewer stays on the arrows: a Space or Return meant for paging must never reach
// "Fechar" and close the viewer. Shown, a viewer has the focus on the next-page arrow, or on the
// other one when that cannot be pressed (shown again at its last page); an arrow that has the focus
// and is disabled or hidden hands it to the other arrow.
std::string OtherArrow(const std::string& arrow) {
  if (arrow == "SetaD") return "SetaE";
  if (arrow == "SetaE") return "SetaD";
  return {};
}

std::string ArrowOnShow(const Form& viewer) {
  const Control& next = viewer["SetaD"];
  return next.enabled && next.visible ? "SetaD" : "SetaE";
}

}  // namespace

const HelpViewerConfig& Form10Config() {
  static const HelpViewerConfig c{"Form10", kTopicCaption, "help/instrucoes-", 5, 1, 7035, 10500};
  return c;
}
const HelpViewerConfig& Form13Config() {
  static const HelpViewerConfig c{"Form13", "SINTAXE", "help/sintaxe-", 4, 1, 7350, 11310};
  return c;
}
const HelpViewerConfig& Form14Config() {
  static const HelpViewerConfig c{"Form14", "FUNÇÕES DEFINIDAS", "help/funcoes-", 23, 2, 7245, 10965};
  return c;
}

std::string HelpPageName(const HelpViewerConfig& config, int page) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%0*d", config.pageDigits, page);
  return config.pagePrefix + digits;
}

std::string PagedHelpViewer::PageControl(int page) { return "Image1(" + std::to_string(page) + ")"; }

PagedHelpViewer::PagedHelpViewer(const HelpViewerConfig& config) : Form(config.formName), config_(config) {
  caption = config.caption;
  clientWidth = config.outerWidth - kFrameWidth;
  clientHeight = config.outerHeight - kFrameHeight;
  const int row = clientHeight - kButtonHeight - 120;  // the bottom row
  const int pageWidth = clientWidth - 120;
  const int pageHeight = row - 120 - 120;
  for (int page = 1; page <= config.pages; ++page)
    // clang-format off
    Add({PageControl(page), ControlKind::Image, "", 60, 120, pageWidth, pageHeight, "", "", {}, -1,
         HelpPageName(config, page)});
  // clang-format on
  Add({"Command1", ControlKind::CommandButton, "", 120, row, kButtonWidth, kButtonHeight, "Fechar"});
  const int counterTop = row + 90;
  Add({"Label1", ControlKind::Label, "", 1800, counterTop, 720, 255, "Página", "", kCounterFont, rgb::kRed});
  // clang-format off
  Add({"Label2", ControlKind::Label, "", 2540, counterTop, 420, 255, "1", "", kCounterFont, rgb::kRed,
       "", Align::Center});
  // clang-format on
  // clang-format off
  Add({"Label3", ControlKind::Label, "", 2980, counterTop, 840, 255,
       "de  " + std::to_string(config.pages), "", kCounterFont, rgb::kRed});
  // clang-format on
  const int arrowsLeft = clientWidth - 120 - 2 * kArrowSize;
  // clang-format off
  Add({"SetaE", ControlKind::CommandButton, "", arrowsLeft, row, kArrowSize, kArrowSize, "", "",
       {}, -1, "arrow-left"});
  // clang-format on
  // clang-format off
  Add({"SetaD", ControlKind::CommandButton, "", arrowsLeft + kArrowSize, row, kArrowSize, kArrowSize, "", "", {}, -1, "arrow-right"});
  // clang-format on

  On("SetaD", Event::Click, [this] { SetaD_Click(); });
  On("SetaE", Event::Click, [this] { SetaE_Click(); });
  On("Command1", Event::Click, [this] { Command1_Click(); });
}

void PagedHelpViewer::Form_Load() {
  outerWidth = config_.outerWidth;
  outerHeight = config_.outerHeight;
  const int n = config_.pages;
  for (CurrentPage = 1; CurrentPage <= n; ++CurrentPage) {
    Control& page = (*this)[PageControl(CurrentPage)];
    page.top = 120;
    page.left = 60;
  }
  for (int page = 2; page <= n; ++page) (*this)[PageControl(page)].visible = false;
  (*this)["SetaE"].enabled = false;
  CurrentPage = 1;
  (*this)["Label2"].text = std::to_string(CurrentPage);
}

void PagedHelpViewer::SetaD_Click() {
  const int n = config_.pages;
  if ((*this)[PageControl(CurrentPage)].visible && CurrentPage != n) {
    (*this)[PageControl(CurrentPage)].visible = false;
    (*this)[PageControl(CurrentPage + 1)].visible = true;
    ++CurrentPage;
    (*this)["SetaE"].enabled = true;
  }
  if (CurrentPage == n) (*this)["SetaD"].enabled = false;
  (*this)["Label2"].text = std::to_string(CurrentPage);
}

void PagedHelpViewer::SetaE_Click() {
  if ((*this)[PageControl(CurrentPage)].visible && CurrentPage != 1) {
    (*this)[PageControl(CurrentPage)].visible = false;
    (*this)[PageControl(CurrentPage - 1)].visible = true;
    --CurrentPage;
    (*this)["SetaD"].enabled = true;
  }
  if (CurrentPage == 1) {
    (*this)["SetaE"].enabled = false;
    (*this)["SetaD"].enabled = true;
  }
  (*this)["Label2"].text = std::to_string(CurrentPage);
}

// "Fechar" only hides: the page on view is still there at the next opening.
void PagedHelpViewer::Command1_Click() { App::Current().Hide(Name()); }
void PagedHelpViewer::CloseBox() { Command1_Click(); }
std::string PagedHelpViewer::FocusOnShow() const { return ArrowOnShow(*this); }
std::string PagedHelpViewer::FocusInsteadOf(const std::string& control) const { return OtherArrow(control); }

std::vector<std::pair<std::string, FieldValue>> PagedHelpViewer::Fields() const {
  return {{"CurrentPage", CurrentPage}};
}

Form12::Form12() : Form("Form12") {
  caption = kMainCaption;
  clientWidth = 7000;
  clientHeight = 10200;
  const int row = clientHeight - kButtonHeight - 120;
  const int arrowLeft = clientWidth - 120 - kArrowSize;
  Add({"Image1", ControlKind::Image, "", 120, 120, clientWidth - 240, row - 240, "", "", {}, -1, "help/indice-1"});
  Add({"Image2", ControlKind::Image, "", 120, 120, clientWidth - 240, row - 240, "", "", {}, -1, "help/indice-2"});
  Add({"Command1", ControlKind::CommandButton, "", 120, row, kButtonWidth, kButtonHeight, "Fechar"});
  Add({"SetaE", ControlKind::CommandButton, "", arrowLeft, row, kArrowSize, kArrowSize, "", "", {}, -1, "arrow-left"});
  Add({"SetaD", ControlKind::CommandButton, "", arrowLeft, row, kArrowSize, kArrowSize, "", "", {}, -1, "arrow-right"});
  On("SetaD", Event::Click, [this] { SetaD_Click(); });
  On("SetaE", Event::Click, [this] { SetaE_Click(); });
  On("Command1", Event::Click, [this] { Command1_Click(); });
}

void Form12::Form_Load() {
  for (const char* name : {"Image1", "Image2"}) {
    (*this)[name].left = 120;
    (*this)[name].top = 120;
  }
  (*this)["Image1"].visible = true;
  (*this)["Image2"].visible = false;
  (*this)["SetaE"].visible = false;
}

void Form12::SetaD_Click() {
  (*this)["Image1"].visible = false;
  (*this)["Image2"].visible = true;
  (*this)["SetaE"].visible = true;
  (*this)["SetaD"].visible = false;
}

void Form12::SetaE_Click() {
  (*this)["Image1"].visible = true;
  (*this)["Image2"].visible = false;
  (*this)["SetaE"].visible = false;
  (*this)["SetaD"].visible = true;
}

void Form12::Command1_Click() { App::Current().Hide(Name()); }
void Form12::CloseBox() { Command1_Click(); }
std::string Form12::FocusOnShow() const { return ArrowOnShow(*this); }
std::string Form12::FocusInsteadOf(const std::string& control) const { return OtherArrow(control); }

}  // namespace vl
