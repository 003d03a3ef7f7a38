#include "QtBackend.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

#include "Fonts.h"
#include "MessageBox.h"
#include "Painting.h"
#include "Pictures.h"
#include "Widgets.h"

namespace vl::qt {

namespace {

constexpr const char* kFormProperty = "vlForm";
constexpr const char* kControlProperty = "vlControl";

int ToPixels(int twips) { return static_cast<int>(std::lround(twips / static_cast<double>(kTwipsPerPixel))); }

QString Text(const std::string& s) { return QString::fromStdString(s); }

Qt::Alignment HorizontalAlignment(Align a) {
  switch (a) {
    case Align::Center: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    case Align::Left: break;
  }
  return Qt::AlignLeft;
}

// The picture buttons show the icon above the caption; the icon shrinks so both fit the button.
// Icons are made once per picture, size and screen: a fresh icon for every window would leave
// its pictures in Qt's pixmap cache under new keys each time.
void ApplyButtonPicture(QToolButton& button, const Control& c, QSize size, std::map<std::string, QIcon>& icons) {
  const QSize natural = NaturalPictureSize(c.picture);
  const int wanted = natural.isValid() ? natural.width() : 32;
  const int textHeight = c.text.empty() ? 0 : QFontMetrics(button.font()).height() + 2;
  const int side = std::max(8, std::min({wanted, size.width() - 8, size.height() - textHeight - 8}));
  const double ratio = button.devicePixelRatioF();
  QIcon& icon = icons[c.picture + "@" + std::to_string(side) + "x" + std::to_string(ratio)];
  if (icon.isNull()) icon = QIcon(Picture(c.picture, QSize(side, side), ratio));
  button.setIconSize(QSize(side, side));
  button.setIcon(icon);
  button.setToolButtonStyle(c.text.empty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
}

// A caption a little too long for its control is set narrower rather than cut: the look-alike
// fonts run wider than the ones the layout was made for.
QFont Fitted(QFont font, const std::string& text, int room) {
  if (room <= 0 || text.empty()) return font;
  const double need = QFontMetricsF(font).horizontalAdvance(Text(text));
  if (need <= room) return font;
  font.setStretch(std::max(75, static_cast<int>(std::floor(100.0 * room / need))));
  return font;
}

// The width a caption has in its control, or 0 when it may wrap or is not ours to fit.
int CaptionRoom(const QWidget& w, const Control& c, QSize size) {
  const QStyle* style = w.style();
  switch (c.kind) {
    case ControlKind::Label: return size.height() < 2 * QFontMetrics(MakeFont(c.font)).lineSpacing() ? size.width() : 0;
    case ControlKind::CheckBox:
      return size.width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &w) -
             style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &w) - 1;
    case ControlKind::OptionButton:
      return size.width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &w) -
             style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &w) - 1;
    case ControlKind::CommandButton: return size.width() - 6;
    case ControlKind::Frame: return size.width() - 24;
    default: return 0;
  }
}

// The colours a control sets itself (-1: none); every other role comes from the parent. A widget
// without colours of its own keeps sharing its parent's palette: a palette of its own, even one
// equal to the parent's, would make the style cache its button and arrow pictures anew under new
// keys for every window shown, and the cache's keys are never given back.
void SetColours(QWidget& w, QPalette::ColorRole foreRole, std::int32_t fore,
                QPalette::ColorRole backRole = QPalette::NoRole, std::int32_t back = -1) {
  QPalette pal;  // no role set
  if (fore >= 0) pal.setColor(foreRole, RgbColor(fore));
  if (back >= 0 && backRole != QPalette::NoRole) pal.setColor(backRole, RgbColor(back));
  w.setPalette(pal);
}

}  // namespace

QtBackend::QtBackend(App& app) : app_(app) {
  RegisterFontSubstitutions();
  // Menus and message boxes in the same face as the controls' default.
  QApplication::setFont(MakeFont(Font{}));
}

QtBackend::~QtBackend() {
  for (auto& [name, view] : views_) {
    if (view->window) {
      view->window->removeEventFilter(this);
      delete view->window.data();
    }
  }
}

QtBackend::FormView* QtBackend::ViewOf(const std::string& form) const {
  auto it = views_.find(form);
  return it == views_.end() ? nullptr : it->second.get();
}

const QtBackend::ControlView* QtBackend::ControlOf(const std::string& form, const std::string& control) const {
  const FormView* view = ViewOf(form);
  if (!view) return nullptr;
  for (const ControlView& cv : view->controls)
    if (cv.control->name == control) return &cv;
  return nullptr;
}

QWidget* QtBackend::Window(const std::string& form) const {
  const FormView* view = ViewOf(form);
  return view ? view->window.data() : nullptr;
}

QWidget* QtBackend::Widget(const std::string& form, const std::string& control) const {
  const ControlView* cv = ControlOf(form, control);
  return cv ? cv->widget.data() : nullptr;
}

QAction* QtBackend::MenuAction(const std::string& form, const std::string& control) const {
  const ControlView* cv = ControlOf(form, control);
  return cv ? cv->action.data() : nullptr;
}

void QtBackend::FormLoaded(Form& form) {
  auto view = std::make_unique<FormView>();
  view->form = &form;
  FormView& ref = *view;
  views_[form.Name()] = std::move(view);
  Build(ref);
  Sync(ref);
}

void QtBackend::Build(FormView& view) {
  Form& form = *view.form;
  const bool hasMenu = std::any_of(form.Controls().begin(), form.Controls().end(),
                                   [](const auto& c) { return c->kind == ControlKind::Menu; });
  if (hasMenu) {
    auto* main = new QMainWindow;
    main->setMenuBar(new MenuBar(main));
    auto* client = new QWidget(main);
    main->setCentralWidget(client);
    // The window follows the fixed client area and the menu bar's height.
    main->layout()->setSizeConstraint(QLayout::SetFixedSize);
    view.mainWindow = main;
    view.window = main;
    view.client = client;
  } else {
    auto* window = new QWidget(nullptr, Qt::Window);
    view.window = window;
    view.client = window;
  }
  view.window->setObjectName(Text(form.Name()));
  view.window->setProperty(kFormProperty, Text(form.Name()));
  view.window->installEventFilter(this);
  if (form.backColor >= 0) {
    SetColours(*view.client, QPalette::Window, form.backColor);
    view.client->setAutoFillBackground(true);
  }

  QWidget* client = view.client;
  for (const auto& owned : form.Controls()) {
    Control& c = *owned;
    ControlView cv;
    cv.control = &c;
    QWidget* w = nullptr;
    switch (c.kind) {
      case ControlKind::Label: {
        auto* label = new QLabel(client);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        w = label;
        break;
      }
      case ControlKind::TextBox: w = new QLineEdit(client); break;
      case ControlKind::CommandButton:
        if (c.picture.empty()) {
          w = new QPushButton(client);
        } else {
          auto* tool = new QToolButton(client);
          tool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
          w = tool;
        }
        break;
      case ControlKind::CheckBox: w = new QCheckBox(client); break;
      case ControlKind::OptionButton: w = new QRadioButton(client); break;
      case ControlKind::Frame: w = new FrameBox(client); break;
      case ControlKind::PictureBox: w = new DrawingView(c.drawing.get(), client); break;
      case ControlKind::Image: w = new ImageView(c.picture, client); break;
      case ControlKind::Spinner: w = new SpinnerWidget(client); break;
      case ControlKind::Menu: break;
    }
    if (w) {
      w->setObjectName(Text(c.name));
      w->setProperty(kFormProperty, Text(form.Name()));
      w->setProperty(kControlProperty, Text(c.name));
      cv.widget = w;
      cv.container = client;
    }
    view.controls.push_back(std::move(cv));
  }

  // Controls inside a frame or a drawing area move into it, in that container's coordinates.
  for (ControlView& cv : view.controls) {
    if (!cv.widget || cv.control->container.empty()) continue;
    for (const ControlView& other : view.controls) {
      if (other.control->name != cv.control->container || !other.widget) continue;
      cv.widget->setParent(other.widget);
      cv.container = other.widget;
      if (dynamic_cast<DrawingView*>(other.widget.data())) cv.originX = cv.originY = DrawingView::kBorder;
      break;
    }
  }

  if (view.mainWindow) BuildMenus(view);
  for (ControlView& cv : view.controls) Connect(view, cv);
}

void QtBackend::BuildMenus(FormView& view) {
  QMenuBar* bar = view.mainWindow->menuBar();
  const std::string formName = view.form->Name();
  auto hasEntries = [&view](const std::string& menu) {
    return std::any_of(view.controls.begin(), view.controls.end(), [&](const ControlView& cv) {
      return cv.control->kind == ControlKind::Menu && cv.control->container == menu;
    });
  };
  // Entries of `menu` ("" for the bar) go into the bar or into the drop-down `into`.
  std::function<void(const std::string&, QMenu*)> add = [&](const std::string& menu, QMenu* into) {
    for (ControlView& cv : view.controls) {
      const Control& c = *cv.control;
      if (c.kind != ControlKind::Menu || c.container != menu) continue;
      if (hasEntries(c.name)) {
        QMenu* sub = into ? into->addMenu(Text(c.text)) : bar->addMenu(Text(c.text));
        sub->setObjectName(Text(c.name));
        cv.action = sub->menuAction();
        add(c.name, sub);
      } else {
        // A bar entry without a drop-down is a command: a click triggers it at once.
        QAction* action = into ? into->addAction(Text(c.text)) : bar->addAction(Text(c.text));
        cv.action = action;
        const std::string name = c.name;
        connect(action, &QAction::triggered, this, [this, formName, name] { app_.Click(formName, name); });
      }
      cv.action->setObjectName(Text(c.name));
    }
  };
  add("", nullptr);
}

void QtBackend::Connect(FormView& view, ControlView& cv) {
  if (!cv.widget) return;
  const std::string form = view.form->Name();
  const std::string name = cv.control->name;
  switch (cv.control->kind) {
    case ControlKind::CommandButton:
      connect(static_cast<QAbstractButton*>(cv.widget.data()), &QAbstractButton::clicked, this,
              [this, form, name] { app_.Click(form, name); });
      cv.widget->installEventFilter(this);  // Enter
      break;
    case ControlKind::TextBox:
      connect(static_cast<QLineEdit*>(cv.widget.data()), &QLineEdit::textEdited, this,
              [this, form, name](const QString& text) { app_.SetText(form, name, text.toStdString()); });
      if (!view.form->SpinnerOf(name).empty()) cv.widget->installEventFilter(this);  // Up and Down
      break;
    case ControlKind::CheckBox:
      connect(static_cast<QCheckBox*>(cv.widget.data()), &QCheckBox::clicked, this, [this, form, name](bool on) {
        if (!app_.Tick(form, name, on)) Refresh();
      });
      break;
    case ControlKind::OptionButton: {
      auto* radio = static_cast<QRadioButton*>(cv.widget.data());
      QButtonGroup*& group = view.groups[cv.control->container];
      if (!group) {
        group = new QButtonGroup(view.window);
        group->setExclusive(true);
      }
      group->addButton(radio);
      connect(radio, &QRadioButton::clicked, this, [this, form, name] {
        if (!app_.Choose(form, name)) Refresh();
      });
      break;
    }
    case ControlKind::Spinner: {
      auto* spinner = static_cast<SpinnerWidget*>(cv.widget.data());
      connect(spinner->UpButton(), &QToolButton::clicked, this, [this, form, name] { app_.Up(form, name); });
      connect(spinner->DownButton(), &QToolButton::clicked, this, [this, form, name] { app_.Down(form, name); });
      break;
    }
    case ControlKind::Label:
    case ControlKind::Image:
    case ControlKind::PictureBox:
      // Plain pictures and labels only take clicks when the form listens for them; otherwise a
      // picture lets the click through to what lies below.
      if (view.form->HasHandler(name, Event::Click)) {
        cv.widget->installEventFilter(this);
      } else if (cv.control->kind == ControlKind::Image) {
        cv.widget->setAttribute(Qt::WA_TransparentForMouseEvents);
      }
      break;
    case ControlKind::Frame:
    case ControlKind::Menu: break;
  }
}

void QtBackend::FormShown(Form& form) {
  FormView* view = ViewOf(form.Name());
  if (!view || !view->window) return;
  Sync(*view);
  view->window->show();
  view->window->raise();
  view->window->activateWindow();
  FocusShownWindow(form);
  shownActive_ = form.Name();
  shownClock_.start();
}

void QtBackend::FormHidden(Form& form) {
  FormView* view = ViewOf(form.Name());
  if (view && view->window) view->window->hide();
}

void QtBackend::FormUnloading(Form& form) {
  auto it = views_.find(form.Name());
  if (it == views_.end()) return;
  FormView& view = *it->second;
  for (ControlView& cv : view.controls)
    if (auto* drawing = dynamic_cast<DrawingView*>(cv.widget.data())) drawing->Detach();
  if (view.window) {
    view.window->removeEventFilter(this);
    view.window->hide();
    // The unload may come from a handler of this very window, still on the stack.
    view.window->deleteLater();
  }
  views_.erase(it);
}

void QtBackend::Refresh() {
  for (auto& [name, view] : views_)
    if (view->window) Sync(*view);
}

void QtBackend::Sync(FormView& view) {
  const Form& form = *view.form;
  if (view.caption != form.caption || view.window->windowTitle().isEmpty()) {
    view.caption = form.caption;
    view.window->setWindowTitle(Text(form.caption));
  }
  SyncWindowSize(view);
  const Control* focused = FocusedControl(view);
  for (ControlView& cv : view.controls) SyncControl(view, cv);
  for (auto& [container, group] : view.groups) SyncOptionGroup(view, container);
  KeepFocus(view, focused);
}

void QtBackend::SyncWindowSize(FormView& view) {
  const Form& form = *view.form;
  QSize client(ToPixels(form.clientWidth), ToPixels(form.clientHeight));
  if (form.outerWidth >= 0 || form.outerHeight >= 0) {
    // The frame's extent is known once a window manager has decorated the window; until then it
    // counts as nothing. The client area never shrinks below what the form's layout needs.
    const QSize frame = view.window->frameGeometry().size() - view.window->geometry().size();
    const int menu = view.mainWindow ? view.mainWindow->menuBar()->sizeHint().height() : 0;
    if (form.outerWidth >= 0) client.setWidth(std::max(client.width(), ToPixels(form.outerWidth) - frame.width()));
    if (form.outerHeight >= 0)
      client.setHeight(std::max(client.height(), ToPixels(form.outerHeight) - frame.height() - menu));
  }
  if (client == view.clientSize) return;
  view.clientSize = client;
  view.client->setFixedSize(client);
  if (!view.mainWindow) view.window->setFixedSize(client);
}

void QtBackend::SyncControl(FormView&, ControlView& cv) {
  const Control& c = *cv.control;
  Shown& s = cv.shown;
  const bool first = !s.valid;
  s.valid = true;

  if (cv.action) {
    if (first || s.text != c.text) cv.action->setText(Text(c.text));
    if (first || s.enabled != c.enabled) cv.action->setEnabled(c.enabled);
    if (first || s.visible != c.visible) cv.action->setVisible(c.visible);
    if (first || s.tooltip != c.tooltip) cv.action->setToolTip(Text(c.tooltip));
    static_cast<ControlState&>(s) = c;
    return;
  }
  QWidget* w = cv.widget.data();
  if (!w) return;

  const QRect geometry(cv.originX + ToPixels(c.left), cv.originY + ToPixels(c.top), ToPixels(c.width),
                       ToPixels(c.height));
  const bool geometryChanged = first || s.geometry != geometry;
  if (geometryChanged) w->setGeometry(geometry);

  const bool textChanged = first || s.text != c.text;
  const bool fontChanged = first || !(s.font == c.font) || geometryChanged || textChanged;
  if (fontChanged && c.kind != ControlKind::PictureBox && c.kind != ControlKind::Spinner &&
      c.kind != ControlKind::Image)
    w->setFont(Fitted(MakeFont(c.font), c.text, CaptionRoom(*w, c, geometry.size())));

  const bool colourChanged =
      first ? c.foreColor >= 0 || c.backColor >= 0 : s.foreColor != c.foreColor || s.backColor != c.backColor;
  switch (c.kind) {
    case ControlKind::Label: {
      auto* label = static_cast<QLabel*>(w);
      if (textChanged) label->setText(Text(c.text));
      if (first || s.alignment != c.alignment) label->setAlignment(HorizontalAlignment(c.alignment) | Qt::AlignTop);
      if (colourChanged) {
        SetColours(*label, QPalette::WindowText, c.foreColor, QPalette::Window, c.backColor);
        label->setAutoFillBackground(c.backColor >= 0);  // transparent otherwise
      }
      break;
    }
    case ControlKind::TextBox: {
      auto* edit = static_cast<QLineEdit*>(w);
      // The user's own typing is already in the widget: leave it, and its cursor, alone.
      const QString text = Text(c.text);
      if (edit->text() != text) edit->setText(text);
      if (first || s.alignment != c.alignment) edit->setAlignment(HorizontalAlignment(c.alignment) | Qt::AlignVCenter);
      if (colourChanged) SetColours(*edit, QPalette::Text, c.foreColor, QPalette::Base, c.backColor);
      break;
    }
    case ControlKind::CommandButton: {
      auto* button = static_cast<QAbstractButton*>(w);
      if (textChanged) button->setText(Text(c.text));
      if (auto* tool = dynamic_cast<QToolButton*>(w);
          tool && (first || textChanged || fontChanged || geometryChanged || s.picture != c.picture))
        ApplyButtonPicture(*tool, c, geometry.size(), icons_);
      break;
    }
    case ControlKind::CheckBox: {
      auto* box = static_cast<QCheckBox*>(w);
      if (textChanged) box->setText(Text(c.text));
      if (box->isChecked() != c.value) box->setChecked(c.value);
      if (colourChanged) SetColours(*box, QPalette::WindowText, c.foreColor);
      break;
    }
    case ControlKind::OptionButton: {
      auto* radio = static_cast<QRadioButton*>(w);
      if (textChanged) radio->setText(Text(c.text));
      if (colourChanged) SetColours(*radio, QPalette::WindowText, c.foreColor);
      break;
    }
    case ControlKind::Frame: {
      auto* frame = static_cast<QGroupBox*>(w);
      if (textChanged) frame->setTitle(Text(c.text));
      if (colourChanged) SetColours(*frame, QPalette::WindowText, c.foreColor);
      break;
    }
    case ControlKind::PictureBox: static_cast<DrawingView*>(w)->SyncRevision(); break;
    case ControlKind::Image:
      static_cast<ImageView*>(w)->SetPicture(c.picture);
      static_cast<ImageView*>(w)->SetDrawing(c.drawing.get());
      break;
    case ControlKind::Spinner:
    case ControlKind::Menu: break;
  }

  if (first || s.tooltip != c.tooltip) w->setToolTip(Text(c.tooltip));
  if (first || s.enabled != c.enabled) w->setEnabled(c.enabled);
  if (first || s.visible != c.visible) w->setVisible(c.visible);

  static_cast<ControlState&>(s) = c;
  s.geometry = geometry;
}

void QtBackend::SyncOptionGroup(FormView& view, const std::string& container) {
  QButtonGroup* group = view.groups[container];
  const ControlView* selected = nullptr;
  for (const ControlView& cv : view.controls)
    if (cv.control->kind == ControlKind::OptionButton && cv.control->container == container && cv.control->value) {
      selected = &cv;
      break;
    }
  if (selected) {
    auto* radio = static_cast<QRadioButton*>(selected->widget.data());
    if (radio && !radio->isChecked()) radio->setChecked(true);
  } else if (group->checkedButton()) {
    // An exclusive group will not let its last button go; loosen it for a moment.
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons()) b->setChecked(false);
    group->setExclusive(true);
  }
}

namespace {
// How long after showing a window the window manager's other activations are taken as passing.
constexpr qint64 kActivationGraceMs = 500;
}  // namespace

bool QtBackend::eventFilter(QObject* watched, QEvent* event) {
  const QVariant formProperty = watched->property(kFormProperty);
  if (!formProperty.isValid()) return false;
  const std::string form = formProperty.toString().toStdString();
  const QVariant controlProperty = watched->property(kControlProperty);

  if (controlProperty.isValid()) {
    const std::string control = controlProperty.toString().toStdString();
    if (event->type() == QEvent::KeyPress) return KeyPressed(form, control, *watched, *static_cast<QKeyEvent*>(event));
    // A label, picture or drawing area whose form listens for clicks (buttons report their own).
    if (event->type() == QEvent::MouseButtonRelease && !qobject_cast<QAbstractButton*>(watched) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      auto* w = static_cast<QWidget*>(watched);
      if (w->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) app_.Click(form, control);
    }
    return false;
  }

  switch (event->type()) {
    case QEvent::WindowActivate:
      if (!shownActive_.empty()) {
        const bool settled = form == shownActive_ || shownClock_.elapsed() > kActivationGraceMs;
        if (!settled) return false;
        shownActive_.clear();
      }
      // App itself ignores the window that is already active, e.g. on return from a message box.
      app_.Dispatch([this, &form] { app_.Activated(form); });
      return false;
    case QEvent::Close:
      // The form decides: the main window ends the program, the others hide.
      event->ignore();
      app_.CloseBox(form);
      return true;
    default: return false;
  }
}

void QtBackend::ShowMessage(const MessageRecord& rec) {
  QWidget* parent = nullptr;
  if (Form* active = app_.ActiveForm()) parent = Window(active->Name());
  if (parent && !parent->isVisible()) parent = nullptr;
  if (!parent) parent = QApplication::activeWindow();

  ShowMessageBox(rec, parent);
}

void QtBackend::EndProgram() {
  for (auto& [name, view] : views_)
    if (view->window) view->window->hide();
  // Let the handler that ended the program finish before the event loop stops.
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
}

}  // namespace vl::qt
