#include "Form11.h"

#include "App.h"
#include "Palette.h"

namespace vl {

namespace {

const Font kTitleFont{"Comic Sans MS", 48, true};
const Font kSmallFont{"Comic Sans MS", 9.75, true};

// The credit block of the lower left corner is left out: the program names no author.
const std::vector<ControlDecl> kControls = {
    {"Image1", ControlKind::Image, "", 1140, 1140, 3405, 3405, "", "", {}, -1, "main-1"},
    {"Image2", ControlKind::Image, "", 5790, 1140, 3465, 3405, "", "", {}, -1, "main-2"},
    {"Image3", ControlKind::Image, "", 10500, 1140, 3375, 3405, "", "", {}, -1, "main-3"},
    {"Image4", ControlKind::Image, "", 1140, 4980, 3495, 3405, "", "", {}, -1, "main-4"},
    {"Label6", ControlKind::Label, "", 6120, 5640, 6000, 1350, "VANTRE", "", kTitleFont, rgb::kBlue},
    {"Label1", ControlKind::Label, "", 8880, 7620, 5745, 1350, "LOMIRA", "", kTitleFont, rgb::kBlue},
    {"Label2", ControlKind::Label, "", 13320, 9960, 1050, 285, "Versão 2.2", "", kSmallFont, rgb::kBlue},
    {"Ficheiro", ControlKind::Menu, "", 0, 0, 0, 0, "Ficheiro"},
    {"AbandonarPrograma", ControlKind::Menu, "Ficheiro", 0, 0, 0, 0, "Abandonar o programa"},
    {"Pontos", ControlKind::Menu, "", 0, 0, 0, 0, "Pontos"},
    {"Reta1", ControlKind::Menu, "", 0, 0, 0, 0, "Reta 1"},
    {"Reta2", ControlKind::Menu, "", 0, 0, 0, 0, "Reta 2"},
    {"Reta3", ControlKind::Menu, "", 0, 0, 0, 0, "Reta 3"},
    {"Reta4", ControlKind::Menu, "", 0, 0, 0, 0, "Reta 4"},
    {"Circunferência1", ControlKind::Menu, "", 0, 0, 0, 0, "Circunferência 1"},
    {"Circunfrência2", ControlKind::Menu, "", 0, 0, 0, 0, "Circunferência 2"},
    {"Circunferência3", ControlKind::Menu, "", 0, 0, 0, 0, "Circunferência 3"},
    {"Triângulo", ControlKind::Menu, "", 0, 0, 0, 0, "Triângulo"},
    {"Índice", ControlKind::Menu, "", 0, 0, 0, 0, "Índice"},
    {"Instruções", ControlKind::Menu, "", 0, 0, 0, 0, "Instruções"},
    {"Sintaxe", ControlKind::Menu, "", 0, 0, 0, 0, "Sintaxe"},
    {"FunçõesDefinidas", ControlKind::Menu, "", 0, 0, 0, 0, "Funções definidas"},
};

void ShowForm(const char* name) { App::Current().Show(name); }

}  // namespace

Form11::Form11() : Form("Form11") {
  caption = kMainCaption;
  clientWidth = 15240;
  clientHeight = 10710;
  backColor = rgb::kWhite;
  AddAll(kControls);
  for (auto& c : Controls())
    if (c->kind == ControlKind::Label) c->backColor = rgb::kWhite;

  On("AbandonarPrograma", Event::Click, [this] { AbandonarPrograma_Click(); });
  On("Pontos", Event::Click, [this] { Pontos_Click(); });
  On("Reta1", Event::Click, [this] { Reta1_Click(); });
  On("Reta2", Event::Click, [this] { Reta2_Click(); });
  On("Reta3", Event::Click, [this] { Reta3_Click(); });
  On("Reta4", Event::Click, [this] { Reta4_Click(); });
  On("Circunferência1", Event::Click, [this] { Circunferência1_Click(); });
  On("Circunfrência2", Event::Click, [this] { Circunfrência2_Click(); });
  On("Circunferência3", Event::Click, [this] { Circunferência3_Click(); });
  On("Triângulo", Event::Click, [this] { Triângulo_Click(); });
  On("Índice", Event::Click, [this] { Índice_Click(); });
  On("Instruções", Event::Click, [this] { Instruções_Click(); });
  On("Sintaxe", Event::Click, [this] { Sintaxe_Click(); });
  On("FunçõesDefinidas", Event::Click, [this] { FunçõesDefinidas_Click(); });
}

// Closing the title page closes the program, as "Abandonar o programa" does.
void Form11::CloseBox() { AbandonarPrograma_Click(); }

void Form11::AbandonarPrograma_Click() { App::Current().End(); }
void Form11::Pontos_Click() { ShowForm("Form1"); }
void Form11::Reta1_Click() { ShowForm("Form2"); }
void Form11::Reta2_Click() { ShowForm("Form3"); }
void Form11::Reta3_Click() { ShowForm("Form5"); }
void Form11::Reta4_Click() { ShowForm("Form8"); }
void Form11::Circunferência1_Click() { ShowForm("Form4"); }
void Form11::Circunfrência2_Click() { ShowForm("Form6"); }
void Form11::Circunferência3_Click() { ShowForm("Form7"); }
void Form11::Triângulo_Click() { ShowForm("Form9"); }
void Form11::Índice_Click() { ShowForm("Form12"); }
void Form11::Instruções_Click() { ShowForm("Form10"); }
void Form11::Sintaxe_Click() { ShowForm("Form13"); }
void Form11::FunçõesDefinidas_Click() { ShowForm("Form14"); }

}  // namespace vl
