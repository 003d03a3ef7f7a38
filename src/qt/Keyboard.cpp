// The keyboard on the real windows: where the program puts the focus, and the keys that do more
// than Qt's widgets do by themselves.
#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

#include "QtBackend.h"

namespace vl::qt {

// Left to Qt, the focus would fall on the first control of the window: in a topic window the first
// button of the row, "Sair", where one stray Space would end the program.
void QtBackend::FocusShownWindow(const Form& form) {
  if (const ControlView* cv = ControlOf(form.Name(), form.FocusOnShow()); cv && cv->widget) GiveFocus(*cv->widget);
}

// Put there by the program, the focus is shown as if the keyboard had moved it: the styles draw a
// focus frame only in a window whose focus the keyboard has moved, and a user who has not yet
// pressed Tab must still see where Space and Return will go.
void QtBackend::GiveFocus(QWidget& widget) {
  widget.window()->setAttribute(Qt::WA_KeyboardFocusChange);
  widget.setFocus(Qt::OtherFocusReason);
}

const Control* QtBackend::FocusedControl(const FormView& view) const {
  const QWidget* focused = view.window ? view.window->focusWidget() : nullptr;
  if (!focused) return nullptr;
  for (const ControlView& cv : view.controls)
    if (cv.widget == focused) return cv.control;
  return nullptr;
}

// Qt hands the focus of a widget disabled or hidden to the next one in tab order; the form may
// name a better heir.
void QtBackend::KeepFocus(FormView& view, const Control* focused) {
  if (!focused || (focused->enabled && focused->visible)) return;
  const std::string heir = view.form->FocusInsteadOf(focused->name);
  if (heir.empty()) return;
  for (const ControlView& cv : view.controls)
    if (cv.control->name == heir && cv.widget && cv.control->enabled && cv.control->visible) GiveFocus(*cv.widget);
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
