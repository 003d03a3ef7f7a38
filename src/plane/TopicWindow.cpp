#include "TopicWindow.h"

#include "App.h"
#include "NumberText.h"
#include "PlaneScale.h"
#include "RunTimeError.h"

namespace vl {

namespace {

constexpr int kPictureTop = 1440;
constexpr int kTitleTop = 1020;
constexpr int kTitleHeight = 345;
constexpr int kButtonSize = 765;
constexpr int kFirstButtonLeft = 120;
constexpr int kLastButtonLeft = 14340;
constexpr int kButtonsInRow = 14;
constexpr int kArrowSize = 16 * kTwipsPerPixel;

// "Eixos", in form coordinates: Left 120 and Top 210 inside the panel.
constexpr int kAxesLeft = TopicWindow::kPanelLeft + 120;
constexpr int kAxesTop = TopicWindow::kPanelTop + 210;
constexpr int kAxesWidth = 5385;
constexpr int kAxesHeight = 1695;

const Font kTitleFont{"Comic Sans MS", 12, true};

// Some windows leave out the blank after the comma.
std::string RuleText(bool withBlank) {
  return "(quando | Xmax-Xmin | > " + NumberText(kMaxGraduatedWidth) + (withBlank ? ", " : ",") +
         "não se graduam os eixos nem existe grelha)";
}

int ButtonLeft(int index) {
  return kFirstButtonLeft + index * (kLastButtonLeft - kFirstButtonLeft) / (kButtonsInRow - 1);
}

}  // namespace

TopicWindow::TopicWindow(const TopicConfig& config) : Form(config.formName), config_(config) {
  caption = kTopicCaption;
  clientWidth = kClientWidth;
  clientHeight = kClientHeight;
  AddButtonRow();
  AddFrameControls();
  ConnectHandlers();
}

void TopicWindow::AddButtonRow() {
  const int top = config_.buttonTop;
  auto button = [&](int index, const std::string& name, const std::string& text, const std::string& tip,
                    const std::string& picture = {}) {
    // clang-format off
    Add({name, ControlKind::CommandButton, "", ButtonLeft(index), top, kButtonSize, kButtonSize, text, tip, {}, -1,
         picture, Align::Center});
    // clang-format on
  };
  int index = 0;
  button(index++, "Sair", "Sair", "Abandonar o programa", "sair");
  button(index++, "Command17", "Fechar", config_.closeTooltip, "fechar");
  for (const TopicButton& b : config_.topicButtons) button(index++, b.control, b.caption, b.tooltip);
  button(index++, "Command13", "Instruções", config_.instructionsTooltip);
  button(index++, "Command15", "Sintaxe", config_.syntaxTooltip);
  button(index++, "Command16", "Funções", "Ver as Funções Definidas");
  button(index++, "Command14", "Índice", "Mostrar o índice deste programa");
}

void TopicWindow::AddFrameControls() {
  const int pictureLeft = config_.pictureLeft;
  Add({"Label2", ControlKind::Label, "", pictureLeft, kTitleTop, kPictureSize, kTitleHeight, config_.title, "",
       kTitleFont, -1, "", Align::Center});
  Add({"Picture1", ControlKind::PictureBox, "", pictureLeft, kPictureTop, kPictureSize, kPictureSize});
  Add({"SetaH", ControlKind::Image, "Picture1", 0, 0, kArrowSize, kArrowSize, "", "", {}, -1, "setah"});
  Add({"SetaV", ControlKind::Image, "Picture1", 0, 0, kArrowSize, kArrowSize, "", "", {}, -1, "setav"});

  Add({"Eixos", ControlKind::Frame, "", kAxesLeft, kAxesTop, kAxesWidth, kAxesHeight, "Eixos"});
  const bool tips = config_.frameTooltips;
  struct Row {
    int top;
    const char* minLabel;
    const char* minCaption;
    const char* minBox;
    const char* minSpinner;
    const char* minTip;
    const char* maxLabel;
    const char* maxCaption;
    const char* maxBox;
    const char* maxSpinner;
    const char* maxTip;
  };
  const Row rows[] = {
      {360, "LabelXmin", "Xmínimo:", "Xmin", "UpDown1", "Altera o valor de Xmín", "LabelXmax", "Xmáximo:", "Xmax",
       "UpDown3", "Altera o valor de Xmáx"},
      {840, "LabelYmin", "Ymínimo:", "Ymin", "UpDown2", "Altera o valor de Ymín", "LabelYmax", "Ymáximo:", "Ymax",
       "UpDown4", "Altera o valor de Ymáx"},
  };
  for (const Row& r : rows) {
    Add({r.minLabel, ControlKind::Label, "Eixos", 120, r.top + 30, 765, 255, r.minCaption});
    Add({r.minBox, ControlKind::TextBox, "Eixos", 900, r.top, 615, 285, "-10"});
    Add({r.minSpinner, ControlKind::Spinner, "Eixos", 1500, r.top, 240, 285, "", tips ? r.minTip : ""});
    Add({r.maxLabel, ControlKind::Label, "Eixos", 1920, r.top + 30, 765, 255, r.maxCaption});
    Add({r.maxBox, ControlKind::TextBox, "Eixos", 2700, r.top, 615, 285, "10"});
    Add({r.maxSpinner, ControlKind::Spinner, "Eixos", 3300, r.top, 240, 285, "", tips ? r.maxTip : ""});
  }
  Add({"DesenharGrelha", ControlKind::CheckBox, "Eixos", 3780, 660, 1500, 255, "Desenhar grelha",
       tips ? "Coloque a marca para que seja desenhada uma grelha na janela de desenho" : ""});
  Add({config_.ruleLabel, ControlKind::Label, "Eixos", 120, 1320, 5085, 255, RuleText(config_.ruleWithBlank)});

  if (!config_.scratchBox.empty()) {
    // Never meant for the user: the equation readers keep a rewritten text here.
    Control& scratch = Add(
        {config_.scratchBox, ControlKind::TextBox, "", kPanelLeft, kClientHeight - 400, 1215, 285, config_.scratchBox});
    scratch.visible = false;
  }
}

void TopicWindow::ConnectHandlers() {
  On("UpDown1", Event::UpClick, [this] { UpDown1_UpClick(); });
  On("UpDown1", Event::DownClick, [this] { UpDown1_DownClick(); });
  On("UpDown2", Event::UpClick, [this] { UpDown2_UpClick(); });
  On("UpDown2", Event::DownClick, [this] { UpDown2_DownClick(); });
  On("UpDown3", Event::UpClick, [this] { UpDown3_UpClick(); });
  On("UpDown3", Event::DownClick, [this] { UpDown3_DownClick(); });
  On("UpDown4", Event::UpClick, [this] { UpDown4_UpClick(); });
  On("UpDown4", Event::DownClick, [this] { UpDown4_DownClick(); });

  for (const TopicButton& b : config_.topicButtons) {
    const std::string target = b.target;
    On(b.control, Event::Click, [this, target] { GoTo(target); });
  }
  On("Command13", Event::Click, [this] { Command13_Click(); });
  On("Command14", Event::Click, [this] { Command14_Click(); });
  On("Command15", Event::Click, [this] { Command15_Click(); });
  On("Command16", Event::Click, [this] { Command16_Click(); });
  On("Command17", Event::Click, [this] { Command17_Click(); });
  On("Sair", Event::Click, [this] { Sair_Click(); });
}

DrawingArea& TopicWindow::Picture1() { return *(*this)["Picture1"].drawing; }

void TopicWindow::Form_Load() {
  Control& pic = (*this)["Picture1"];
  pic.width = kPictureSize;
  pic.height = kPictureSize;
  pic.top = kPictureTop;
  pic.left = config_.pictureLeft;
  (*this)["SetaH"].visible = false;
  (*this)["SetaV"].visible = false;
  pic.drawing->ScaleModePixels();
  pic.drawing->autoRedraw = true;
  SolveRequested = false;
}

void TopicWindow::Form_Activate() {
  // Everything is checked before the area is wiped, so a bad range keeps the plane on screen.
  float xMin, xMax, yMin, yMax;
  try {
    xMin = ReadRangeBox((*this)["Xmin"].text);
    xMax = ReadRangeBox((*this)["Xmax"].text);
    yMin = ReadRangeBox((*this)["Ymin"].text);
    yMax = ReadRangeBox((*this)["Ymax"].text);
  } catch (const RunTimeError&) {
    MsgBox(kRangeNotNumbersText, MsgIcon::Information, kApplicationTitle);
    return;
  }
  if (xMin == xMax || yMin == yMax) {
    MsgBox(kZeroWidthRangeText, MsgIcon::Information, kApplicationTitle);
    return;
  }
  try {
    const DrawingArea& area = Picture1();
    ComputePlaneScale(xMin, xMax, yMin, yMax, area.PixelWidth(), area.PixelHeight());
  } catch (const RunTimeError& fault) {
    // Numbers whose width, margins or scale fall beyond single precision: the box a handler shows.
    MsgBox(ErrorBoxText(fault.Description()));
    return;
  }

  PlotXMax = 10;
  PlotYMax = 10;
  PlotXMin = -10;
  PlotYMin = -10;
  DrawPlane();
}

void TopicWindow::CloseBox() { Command17_Click(); }

std::string TopicWindow::FocusOnShow() const {
  // Problem frames stand one below the other right of the plane; the boxes of a frame row by row.
  auto before = [](const Control* a, const Control* b) {
    return a->top != b->top ? a->top < b->top : a->left < b->left;
  };
  const Control* frame = nullptr;
  for (const auto& c : Controls())
    if (c->kind == ControlKind::Frame && c->container.empty() && c->name != "Eixos" && c->visible &&
        (!frame || before(c.get(), frame)))
      frame = c.get();
  const Control* box = nullptr;
  for (const auto& c : Controls())
    if (frame && c->kind == ControlKind::TextBox && c->container == frame->name && c->visible && c->enabled &&
        (!box || before(c.get(), box)))
      box = c.get();
  return box ? box->name : std::string();
}

std::string TopicWindow::SpinnerOf(const std::string& textBox) const {
  if (textBox == "Xmin") return "UpDown1";
  if (textBox == "Ymin") return "UpDown2";
  if (textBox == "Xmax") return "UpDown3";
  if (textBox == "Ymax") return "UpDown4";
  return {};
}

void TopicWindow::StepPair(const char* first, const char* second, double delta) {
  Control& a = (*this)[first];
  Control& b = (*this)[second];
  double va, vb;
  try {
    va = ParseRangeNumber(a.text);
    vb = ParseRangeNumber(b.text);
  } catch (const RunTimeError&) {
    MsgBox(kRangeNotNumbersText, MsgIcon::Information, kApplicationTitle);
    return;
  }
  a.text = NumberText(va + delta);
  b.text = NumberText(vb + delta);
}

void TopicWindow::UpDown1_UpClick() { StepPair("Xmin", "Ymin", +1); }
void TopicWindow::UpDown1_DownClick() { StepPair("Xmin", "Ymin", -1); }
void TopicWindow::UpDown2_UpClick() { StepPair("Ymin", "Xmin", +1); }
void TopicWindow::UpDown2_DownClick() { StepPair("Ymin", "Xmin", -1); }
void TopicWindow::UpDown3_UpClick() { StepPair("Xmax", "Ymax", +1); }
void TopicWindow::UpDown3_DownClick() { StepPair("Xmax", "Ymax", -1); }
void TopicWindow::UpDown4_UpClick() { StepPair("Ymax", "Xmax", +1); }
void TopicWindow::UpDown4_DownClick() { StepPair("Ymax", "Xmax", -1); }

std::vector<std::pair<std::string, FieldValue>> TopicWindow::Fields() const {
  return {{"PlotXMin", static_cast<double>(PlotXMin)},
          {"PlotXMax", static_cast<double>(PlotXMax)},
          {"PlotYMin", static_cast<double>(PlotYMin)},
          {"PlotYMax", static_cast<double>(PlotYMax)},
          {"PlotMarginX", static_cast<double>(PlotMarginX)},
          {"UnitsPerPixelX", static_cast<double>(UnitsPerPixelX)},
          {"UnitsPerPixelY", static_cast<double>(UnitsPerPixelY)},
          {"SolveRequested", SolveRequested}};
}

}  // namespace vl
