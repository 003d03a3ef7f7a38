#pragma once
// The frame shared by the nine topic windows: caption and title, the square drawing area with
// the coordinate plane, the frame "Eixos" with the range boxes, their spinners and the grid
// switch, the row of navigation and help buttons, and the window-level range fields.
#include <string>
#include <vector>

#include "DrawingArea.h"
#include "Form.h"
#include "Values.h"

namespace vl {

// A button of the top row that leads to another topic window.
struct TopicButton {
  std::string control;  // "Command2" ...
  std::string caption;
  std::string tooltip;
  std::string target;  // "Form1" ...
};

// What differs between the nine windows.
struct TopicConfig {
  std::string formName;                   // "Form1" .. "Form9"
  std::string title;                      // Label2, e.g. "PONTOS"
  std::string ruleLabel;                  // control name of the graduation rule label
  bool ruleWithBlank = true;              // blank after the comma in the rule text
  int pictureLeft = 60;                   // twips
  int buttonTop = 120;                    // twips
  std::string scratchBox;                 // "Text3", "TextA" or empty
  bool messageWhenUngraduated = false;    // the lines 3 window explains a missing graduation
  bool frameTooltips = false;             // tooltips on the spinners and the grid switch
  std::vector<TopicButton> topicButtons;  // the eight other topic windows, in row order
  std::string instructionsTooltip;        // Command13
  std::string syntaxTooltip;              // Command15
  std::string closeTooltip;               // Command17
};

// The configuration of one of "Form1" .. "Form9"; throws std::out_of_range for any other name.
const TopicConfig& TopicConfigFor(const std::string& formName);

class TopicWindow : public Form {
 public:
  explicit TopicWindow(const TopicConfig& config);

  // Window-level fields (single precision where the plane is concerned).
  float PlotXMin = 0;
  float PlotXMax = 0;
  float PlotYMin = 0;
  float PlotYMax = 0;
  float PlotMarginX = 0;
  float UnitsPerPixelX = 0;
  float UnitsPerPixelY = 0;
  bool SolveRequested = false;

  void Form_Load() override;
  void Form_Activate() override;
  void CloseBox() override;
  // The first input box of the first problem frame, never "Sair" or "Fechar".
  std::string FocusOnShow() const override;
  // Each range box works the spinner at its right.
  std::string SpinnerOf(const std::string& textBox) const override;

  void UpDown1_UpClick();
  void UpDown1_DownClick();
  void UpDown2_UpClick();
  void UpDown2_DownClick();
  void UpDown3_UpClick();
  void UpDown3_DownClick();
  void UpDown4_UpClick();
  void UpDown4_DownClick();

  // Navigation: a topic button replaces this window by its target; the help buttons open a
  // viewer beside it; "Fechar" reloads it hidden; "Sair" ends the program.
  void GoTo(const std::string& target);
  void Command13_Click();
  void Command14_Click();
  void Command15_Click();
  void Command16_Click();
  void Command17_Click();
  void Sair_Click();

  // Clears the drawing area and draws the empty plane for the range in the four boxes; sets the
  // range fields and the plane scale and places the arrowheads. Raises the run-time error of an
  // unreadable range box or of a range the plane cannot take.
  void DrawPlane();
  // Draws the line across the plotted range with the current pen; false for no line (a = b = 0).
  [[nodiscard]] bool DrawLineFromCoefs(const geo::Line& line);

  DrawingArea& Picture1();
  // The hidden text box that holds the rewritten text of a typed equation ("" when none).
  const std::string& ScratchBoxName() const { return config_.scratchBox; }
  const TopicConfig& Config() const { return config_; }

  std::vector<std::pair<std::string, FieldValue>> Fields() const override;

  // The panel right of the drawing area where the problem frames go (twips, form coordinates).
  static constexpr int kPanelLeft = 9600;
  static constexpr int kProblemsTop = 3240;  // below the frame "Eixos"
  static constexpr int kPanelWidth = 5565;
  static constexpr int kPanelTop = 1320;
  static constexpr int kClientWidth = 15240;
  static constexpr int kClientHeight = 11040;
  // The square drawing area (twips, borders included).
  static constexpr int kPictureSize = 9465;

 private:
  // Steps both boxes of a spinner's pair by delta; neither changes when one is unreadable.
  void StepPair(const char* first, const char* second, double delta);
  void AddFrameControls();
  void AddButtonRow();
  void ConnectHandlers();

  TopicConfig config_;
};

}  // namespace vl
