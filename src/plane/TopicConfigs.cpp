// The nine topic windows: title, rule label, drawing-area place, scratch box and the buttons that
// lead to the other windows, each with its own control name and tooltip.
#include <array>
#include <map>
#include <stdexcept>

#include "TopicWindow.h"

namespace vl {

namespace {

// The topic windows in the order of the button row.
enum Topic { Ponto, Recta1, Recta2, Recta3, Recta4, Circulo1, Circulo2, Circulo3, Triangulo, kTopics };

constexpr std::array<const char*, kTopics> kTargets = {"Form1", "Form2", "Form3", "Form5", "Form8",
                                                       "Form4", "Form6", "Form7", "Form9"};
// clang-format off
constexpr std::array<const char*, kTopics> kCaptions = {
    "Ponto", "Recta 1", "Recta 2", "Recta 3", "Recta 4", "Círculo 1", "Círculo 2", "Círculo 3", "Triângulo"};
// clang-format on
// The points window speaks of the line windows in the plural.
constexpr std::array<const char*, kTopics> kCaptionsForm1 = {
    "Ponto", "Rectas 1", "Rectas 2", "Rectas 3", "Rectas 4", "Círculo 1", "Círculo 2", "Círculo 3", "Triângulo"};
constexpr std::array<const char*, kTopics> kTooltips = {
    "Ir para Pontos",           "Ir para Recta-1",          "Ir para Recta-2",
    "Ir para Recta-3",          "Ir para Recta-4",          "Ir para Circunferência-1",
    "Ir para Circunferência-2", "Ir para Circunferência-3", "Ir para Triângulo"};
// clang-format off
constexpr std::array<const char*, kTopics> kTooltipsForm2 = {
    "Ir para pontos",           "",                         "Ir para Recta 2",
    "Ir para Recta 3",          "Ir para Recta 4",          "Ir para Circunferência 1",
    "Ir para Circunferência 2", "Ir para Circunferência 3", "Ir para Triângulo"};
// clang-format on

struct Row {
  const char* form;
  const char* title;
  const char* ruleLabel;
  bool ruleWithBlank;
  int pictureLeft;
  int buttonTop;
  const char* scratchBox;
  std::array<const char*, kTopics> controls;  // "" for the window itself
  const char* instructionsTooltip;
  const char* syntaxTooltip;
  const char* closeTooltip;
};

// clang-format off
const std::array<Row, 9> kRows = {{
    {"Form1", "PONTOS", "Label37", true, 60, 180, "",
     {"", "Command2", "Command8", "Command5", "Command11", "Command4", "Command9", "Command10", "Command12"},
     "Ver as instruções", "Ver a Sintaxe", "Fechar esta página"},
    {"Form2", "RECTA - 1", "Label19", true, 60, 120, "Text3",
     {"Command2", "", "Command6", "Command8", "Command11", "Command7", "Command9", "Command10", "Command12"},
     "Instruções", "Ver a Sintaxe", "Fechar esta janela"},
    {"Form3", "RECTA - 2", "Label13", false, 60, 180, "TextA",
     {"Command2", "Command6", "", "Command9", "Command7", "Command8", "Command10", "Command11", "Command12"},
     "Mostrar as Instruções", "Ver a Sintaxe", "Fechar esta janela"},
    {"Form4", "CIRCUNFERÊNCIA - 1", "Label27", false, 60, 120, "TextA",
     {"Command2", "Command7", "Command6", "Command9", "Command8", "", "Command10", "Command11", "Command12"},
     "Ver as instruções", "Ver a Sintaxe", "Fechar esta janela"},
    {"Form5", "RECTA - 3", "Label5", false, 120, 120, "TextA",
     {"Command5", "Command2", "Command8", "", "Command11", "Command4", "Command9", "Command10", "Command12"},
     "Ver as instruções", "Ver a Sintaxe", "Fechar esta janela"},
    {"Form6", "CIRCUNFERÊNCIA - 2", "Label19", false, 120, 120, "TextA",
     {"Command5", "Command2", "Command8", "Command9", "Command11", "Command4", "", "Command10", "Command12"},
     "Mostrar as Instruções", "Mostrar a Sintaxe", "Fechar esta página"},
    {"Form7", "CIRCUNFERÊNCIA - 3", "Label19", false, 120, 120, "TextA",
     {"Command5", "Command2", "Command8", "Command9", "Command6", "Command4", "Command10", "", "Command7"},
     "Ver as Instruções", "Mostrar a Sintaxe", "Fechar esta página"},
    {"Form8", "RECTA - 4", "Label19", true, 120, 120, "TextA",
     {"Command2", "Command6", "Command1", "Command9", "", "Command8", "Command10", "Command11", "Command5"},
     "Ver as Instruções", "Mostrar a Sintaxe", "Fechar esta página"},
    {"Form9", "TRIÂNGULO", "Label19", true, 120, 120, "TextA",
     {"Command2", "Command6", "Command1", "Command9", "Command3", "Command8", "Command10", "Command11", ""},
     "Ver as Instruções", "Mostrar a Sintaxe", "Fechar esta página"},
}};
// clang-format on

TopicConfig Build(const Row& row) {
  TopicConfig c;
  c.formName = row.form;
  c.title = row.title;
  c.ruleLabel = row.ruleLabel;
  c.ruleWithBlank = row.ruleWithBlank;
  c.pictureLeft = row.pictureLeft;
  c.buttonTop = row.buttonTop;
  c.scratchBox = row.scratchBox;
  c.messageWhenUngraduated = c.formName == "Form5";
  c.frameTooltips = c.formName == "Form1";
  const auto& captions = c.formName == "Form1" ? kCaptionsForm1 : kCaptions;
  const auto& tooltips = c.formName == "Form2" ? kTooltipsForm2 : kTooltips;
  for (int t = 0; t < kTopics; ++t) {
    const std::string control = row.controls[static_cast<std::size_t>(t)];
    if (control.empty()) continue;
    c.topicButtons.push_back({control, captions[static_cast<std::size_t>(t)], tooltips[static_cast<std::size_t>(t)],
                              kTargets[static_cast<std::size_t>(t)]});
  }
  c.instructionsTooltip = row.instructionsTooltip;
  c.syntaxTooltip = row.syntaxTooltip;
  c.closeTooltip = row.closeTooltip;
  return c;
}

}  // namespace

const TopicConfig& TopicConfigFor(const std::string& formName) {
  static const std::map<std::string, TopicConfig> configs = [] {
    std::map<std::string, TopicConfig> m;
    for (const Row& row : kRows) m.emplace(row.form, Build(row));
    return m;
  }();
  auto it = configs.find(formName);
  if (it == configs.end()) throw std::out_of_range("not a topic window: " + formName);
  return it->second;
}

}  // namespace vl
