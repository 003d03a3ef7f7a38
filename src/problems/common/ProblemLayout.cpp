#include "ProblemLayout.h"

#include "Palette.h"

namespace vl::layout {

namespace {
constexpr int kParenWidth = 105;
constexpr int kResultRight = kFrameWidth - kInset;
}  // namespace

FrameBuilder::FrameBuilder(std::vector<ControlDecl>& table, std::string frame, std::string caption, int top, int height)
    : table_(table), frame_(std::move(frame)) {
  table_.push_back({frame_, ControlKind::Frame, "", kFrameLeft, top, kFrameWidth, height, std::move(caption)});
}

void FrameBuilder::Label(const std::string& suffix, int left, int top, int width, const std::string& text) {
  table_.push_back({frame_ + "_" + suffix, ControlKind::Label, frame_, left, top, width, kLabelHeight, text});
}

void FrameBuilder::LabelBeside(const std::string& suffix, int left, int boxTop, int width, const std::string& text) {
  Label(suffix, left, boxTop + kLabelDrop, width, text);
}

void FrameBuilder::TextBox(const std::string& name, int left, int top, int width, const std::string& text,
                           const std::string& tooltip) {
  table_.push_back({name, ControlKind::TextBox, frame_, left, top, width, kBoxHeight, text, tooltip});
}

int FrameBuilder::CoordinatePair(const std::string& suffix, int left, int top, const std::string& xBox,
                                 const std::string& xText, const std::string& yBox, const std::string& yText,
                                 bool withTooltips) {
  int x = left;
  LabelBeside("Open" + suffix, x, top, kParenWidth, "(");
  x += kParenWidth;
  TextBox(xBox, x, top, kCoordinateBoxWidth, xText, withTooltips ? kAbscissaTooltip : "");
  x += kCoordinateBoxWidth;
  LabelBeside("Comma" + suffix, x + 15, top, kParenWidth - 15, ",");
  x += kParenWidth;
  TextBox(yBox, x, top, kCoordinateBoxWidth, yText, withTooltips ? kOrdinateTooltip : "");
  x += kCoordinateBoxWidth;
  LabelBeside("Close" + suffix, x + 15, top, kParenWidth - 15, ")");
  return x + kParenWidth;
}

void FrameBuilder::Button(const std::string& name, int left, int top, const std::string& caption,
                          const std::string& tooltip) {
  table_.push_back(
      {name, ControlKind::CommandButton, frame_, left, top, kButtonWidth, kButtonHeight, caption, tooltip});
}

void FrameBuilder::DadosResolver(const std::string& dados, const std::string& resolver, int top,
                                 const std::string& resolveTooltip) {
  Button(dados, kInset, top, "Dados", kDadosTooltip);
  Button(resolver, kInset + kButtonWidth + kInset, top, "Resolver", resolveTooltip);
}

void FrameBuilder::Result(const std::string& field, int top, int captionWidth, const std::string& caption) {
  Label("ResultCaption", kInset, top, captionWidth, caption);
  const int left = kInset + captionWidth + 60;
  table_.push_back(ResultLabel(field, frame_, left, top, kResultRight - left));
}

ControlDecl ResultLabel(const std::string& field, const std::string& frame, int left, int top, int width) {
  ControlDecl result{field, ControlKind::Label, frame, left, top, width, kLabelHeight + 60};
  result.font.bold = true;
  result.foreColor = rgb::kRed;
  return result;
}

int NarrowCoordinatePair(std::vector<ControlDecl>& t, const std::string& frame, const std::string& suffix, int left,
                         int top, const char* xBox, const char* xText, const char* yBox, const char* yText) {
  constexpr int kParen = 105;
  constexpr int kBox = 555;
  const int labelTop = top + kLabelDrop;
  int x = left;
  t.push_back({frame + "_Open" + suffix, ControlKind::Label, frame, x, labelTop, kParen, kLabelHeight, "("});
  x += kParen;
  t.push_back({xBox, ControlKind::TextBox, frame, x, top, kBox, kBoxHeight, xText});
  x += kBox;
  t.push_back({frame + "_Comma" + suffix, ControlKind::Label, frame, x + 15, labelTop, kParen - 15, kLabelHeight, ","});
  x += kParen;
  t.push_back({yBox, ControlKind::TextBox, frame, x, top, kBox, kBoxHeight, yText});
  x += kBox;
  t.push_back({frame + "_Close" + suffix, ControlKind::Label, frame, x + 15, labelTop, kParen - 15, kLabelHeight, ")"});
  return x + kParen;
}

}  // namespace vl::layout
