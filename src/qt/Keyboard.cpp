// The keyboard on the real windows: where the program puts the focus, and the keys that do more
// than Qt's widgets do by themselves.
#include <QAbstractButton>
#include <QKeyEvent>

#include "QtBackend.h"

namespace vl::qt {

// Left to Qt, the focus would fall on the first control of the window: in a topic window the first
// button of the row, "Sair", where one stray Space would end the program.
void QtBackend::FocusShownWindow(const Form& form) {
  if (const ControlView* cv = ControlOf(form.Name(), form.FocusOnShow()); cv && cv->widget)
    cv->widget->setFocus(Qt::OtherFocusReason);
}

// Keys as on the desktop the program comes from: Enter and keypad Enter press a focused command
// button, as Space does; Up and Down in a range box work its spinner's arrows.
bool QtBackend::KeyPressed(const std::string& form, const std::string& control, QObject& watched,
                           const QKeyEvent& key) {
  if (auto* button = qobject_cast<QAbstractButton*>(&watched)) {
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) return false;
    if (!key.isAutoRepeat()) button->click();
    return true;
  }
  if (key.key() != Qt::Key_Up && key.key() != Qt::Key_Down) return false;
  const Form* f = app_.Loaded(form);
  const std::string spinner = f ? f->SpinnerOf(control) : std::string();
  if (spinner.empty()) return false;
  if (key.key() == Qt::Key_Up)
    app_.Up(form, spinner);
  else
    app_.Down(form, spinner);
  return true;
}

}  // namespace vl::qt
