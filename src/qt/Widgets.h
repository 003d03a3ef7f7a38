#pragma once
// The widgets that Qt does not have as such: the drawing area, a picture control and the spinner.
#include <cstdint>
#include <QGroupBox>
#include <QMenuBar>
#include <QPixmap>
#include <QToolButton>
#include <QWidget>
#include <string>

#include "DrawingArea.h"

namespace vl::qt {

// A drawing area: a sunken border of two pixels around the inner area, which shows the display
// list. Controls placed inside it are positioned relative to the inner area.
class DrawingView : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kBorder = 2;

  DrawingView(const DrawingArea* area, QWidget* parent);

  // The model is going away before the widget does (deferred deletion).
  void Detach() { area_ = nullptr; }
  const DrawingArea* Area() const { return area_; }

  // Repaints when the display list changed since the last call; cheap otherwise.
  void SyncRevision();

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  const DrawingArea* area_;
  std::uint64_t revision_ = 0;
};

// A picture control: the named picture at the control's size, transparent where it draws nothing.
class ImageView : public QWidget {
  Q_OBJECT

 public:
  ImageView(std::string picture, QWidget* parent);
  void SetPicture(const std::string& picture);
  // A picture made of a drawing: the drawing area's kept list, scaled to the control.
  void SetDrawing(const DrawingArea* drawing);
  const std::string& PictureName() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  std::string picture_;
  const DrawingArea* drawing_ = nullptr;
  QPixmap cache_;
  QSize cacheSize_;
  double cacheRatio_ = 0;
};

// A frame around a group of controls: an etched line with the title set into its top edge, so
// controls placed just below the title sit inside the border.
class FrameBox : public QGroupBox {
  Q_OBJECT

 public:
  explicit FrameBox(QWidget* parent) : QGroupBox(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override;
};

// A menu bar that shows the entry the keyboard has reached (Alt, then the arrows) highlighted, as it
// shows the one the mouse presses. Qt marks such an entry selected but not pressed, and the Fusion
// style highlights an entry only when it is both: selected and pressed, or its menu open.
class MenuBar : public QMenuBar {
  Q_OBJECT

 public:
  explicit MenuBar(QWidget* parent) : QMenuBar(parent) {}

 protected:
  void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};

// Two stacked arrow buttons; each reports its own click.
class SpinnerWidget : public QWidget {
  Q_OBJECT

 public:
  explicit SpinnerWidget(QWidget* parent);
  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }

 protected:
  void resizeEvent(QResizeEvent*) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace vl::qt
