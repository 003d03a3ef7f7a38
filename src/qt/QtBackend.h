#pragma once
// The window system on a screen: real Qt windows mirror the declared forms, user input goes to
// the forms through App, and the message box is a modal QMessageBox.
#include <map>
#include <memory>
#include <QElapsedTimer>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <string>
#include <vector>

#include "App.h"

class QAction;
class QButtonGroup;
class QKeyEvent;
class QMainWindow;
class QMenu;
class QWidget;

namespace vl::qt {

class DrawingView;

class QtBackend : public QObject, public Backend {
 public:
  explicit QtBackend(App& app);
  ~QtBackend() override;

  void FormLoaded(Form& form) override;
  void FormShown(Form& form) override;
  void FormHidden(Form& form) override;
  void FormUnloading(Form& form) override;
  void Refresh() override;
  void ShowMessage(const MessageRecord& rec) override;
  void EndProgram() override;
  // The window manager decides which window becomes active next; we hear of it as an event.
  bool ChoosesNextActiveWindow() const override { return false; }

  // The top-level window of a loaded form, or nullptr.
  QWidget* Window(const std::string& form) const;
  // The widget of a control (nullptr for menu entries and unknown names).
  QWidget* Widget(const std::string& form, const std::string& control) const;
  // The menu action of a menu entry (for a drop-down menu, the action that opens it).
  QAction* MenuAction(const std::string& form, const std::string& control) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What was last put on the screen for a control, so a refresh only touches what changed.
  struct Shown : ControlState {
    bool valid = false;
    QRect geometry;
  };
  struct ControlView {
    Control* control = nullptr;
    QPointer<QWidget> widget;
    QPointer<QAction> action;  // menu entries
    QPointer<QWidget> container;
    int originX = 0, originY = 0;  // where the container's coordinate system starts
    Shown shown;
  };
  struct FormView {
    Form* form = nullptr;
    QPointer<QWidget> window;
    QPointer<QWidget> client;  // the client area: the window itself, or a main window's centre
    QMainWindow* mainWindow = nullptr;
    std::vector<ControlView> controls;
    std::map<std::string, QButtonGroup*> groups;  // option buttons, one exclusive group per container
    std::string caption;
    QSize clientSize;
    int outerWidth = -2, outerHeight = -2;
  };

  void Build(FormView& view);
  void BuildMenus(FormView& view);
  void Connect(FormView& view, ControlView& cv);
  void Sync(FormView& view);
  void SyncWindowSize(FormView& view);
  void SyncControl(FormView& view, ControlView& cv);
  void SyncOptionGroup(FormView& view, const std::string& container);
  // The keyboard (Keyboard.cpp).
  void FocusShownWindow(const Form& form);
  void GiveFocus(QWidget& widget);
  const Control* FocusedControl(const FormView& view) const;
  // After a refresh: the focus of a control that has become unusable goes where the form says.
  void KeepFocus(FormView& view, const Control* focused);
  bool KeyPressed(const std::string& form, const std::string& control, QObject& watched, const QKeyEvent& key);
  FormView* ViewOf(const std::string& form) const;
  const ControlView* ControlOf(const std::string& form, const std::string& control) const;

  App& app_;
  std::map<std::string, std::unique_ptr<FormView>> views_;
  std::map<std::string, QIcon> icons_;  // button pictures by name, size and screen
  // The window the program has just shown and made active. Until the window manager confirms it,
  // activations of other windows are its passing choices (for instance after the window that
  // held the focus was closed), not the user's, and must not run their Form_Activate.
  std::string shownActive_;
  QElapsedTimer shownClock_;
};

}  // namespace vl::qt
