#pragma once
// The main window: a title page whose menu bar opens every other window.
#include "Form.h"

namespace vl {

class Form11 : public Form {
 public:
  Form11();

  void CloseBox() override;

  void AbandonarPrograma_Click();
  void Pontos_Click();
  void Reta1_Click();
  void Reta2_Click();
  void Reta3_Click();
  void Reta4_Click();
  void Circunferência1_Click();
  void Circunfrência2_Click();
  void Circunferência3_Click();
  void Triângulo_Click();
  void Índice_Click();
  void Instruções_Click();
  void Sintaxe_Click();
  void FunçõesDefinidas_Click();
};

}  // namespace vl
