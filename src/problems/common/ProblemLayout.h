#pragma once
// Building blocks of the problem frames in the panel right of the plane: the frame itself, the
// "(" x "," y ")" entry of a point, the "Dados" and "Resolver" buttons and the red result field.
// Geometry in twips; controls inside a frame are placed relative to it.
#include <string>
#include <vector>

#include "Form.h"

namespace vl::layout {

// Frames span the panel below "Eixos", with its margins.
inline constexpr int kFrameLeft = 9720;
inline constexpr int kFrameWidth = 5385;
inline constexpr int kFrameGap = 120;
inline constexpr int kInset = 120;     // left margin inside a frame
inline constexpr int kFirstRow = 300;  // below the frame's caption
inline constexpr int kBoxHeight = 285;
inline constexpr int kButtonWidth = 855;
inline constexpr int kButtonHeight = 375;
inline constexpr int kLabelHeight = 195;
inline constexpr int kLabelDrop = 45;  // a label beside a box sits this much lower
inline constexpr int kCoordinateBoxWidth = 735;

inline constexpr const char* kDadosTooltip = "Desenha os dados do problema.";
inline constexpr const char* kResolveTooltip = "Resolve o propblema.";
inline constexpr const char* kExecuteTooltip = "Executar";
inline constexpr const char* kAbscissaTooltip = "Escreva aqui o valor da abcissa do ponto";
inline constexpr const char* kOrdinateTooltip = "Escreva aqui o valor da ordenada do ponto";

// Appends rows to a form's control table, frame by frame.
// A result field: a label in red bold, empty until a problem is solved.
ControlDecl ResultLabel(const std::string& field, const std::string& frame, int left, int top, int width);

// "(" xBox "," yBox ")" with boxes narrower than the usual pair, so three points share one row of
// a frame. Returns the left edge after the ")".
int NarrowCoordinatePair(std::vector<ControlDecl>& t, const std::string& frame, const std::string& suffix, int left,
                         int top, const char* xBox, const char* xText, const char* yBox, const char* yText);

class FrameBuilder {
 public:
  FrameBuilder(std::vector<ControlDecl>& table, std::string frame, std::string caption, int top, int height);

  // A plain label; its name is the frame's name with a suffix.
  void Label(const std::string& suffix, int left, int top, int width, const std::string& text);
  // A label beside a box of the row at boxTop.
  void LabelBeside(const std::string& suffix, int left, int boxTop, int width, const std::string& text);
  void TextBox(const std::string& name, int left, int top, int width, const std::string& text,
               const std::string& tooltip = {});
  // "(" xBox "," yBox ")" from left; returns the left edge after the ")".
  int CoordinatePair(const std::string& suffix, int left, int top, const std::string& xBox, const std::string& xText,
                     const std::string& yBox, const std::string& yText, bool withTooltips);
  void Button(const std::string& name, int left, int top, const std::string& caption, const std::string& tooltip);
  // The usual pair on one row: "Dados" at the left margin, "Resolver" beside it.
  void DadosResolver(const std::string& dados, const std::string& resolver, int top, const std::string& resolveTooltip);
  // A caption label and, beside it, the red bold result field, empty.
  void Result(const std::string& field, int top, int captionWidth, const std::string& caption);

 private:
  std::vector<ControlDecl>& table_;
  std::string frame_;
};

}  // namespace vl::layout
