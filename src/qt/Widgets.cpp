#include "Widgets.h"

#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QStyleOptionMenuItem>

#include "Painting.h"
#include "Pictures.h"

namespace vl::qt {

DrawingView::DrawingView(const DrawingArea* area, QWidget* parent) : QWidget(parent), area_(area) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (area_) revision_ = area_->Revision();
}

void DrawingView::SyncRevision() {
  if (!area_ || area_->Revision() == revision_) return;
  revision_ = area_->Revision();
  update();
}

void DrawingView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int w = width();
  const int h = height();
  // The sunken border: dark above and to the left, light below and to the right.
  p.fillRect(rect(), Qt::white);
  p.setPen(QColor(128, 128, 128));
  p.drawLine(0, 0, w - 2, 0);
  p.drawLine(0, 0, 0, h - 2);
  p.setPen(QColor(0, 0, 0));
  p.drawLine(1, 1, w - 3, 1);
  p.drawLine(1, 1, 1, h - 3);
  p.setPen(QColor(255, 255, 255));
  p.drawLine(0, h - 1, w - 1, h - 1);
  p.drawLine(w - 1, 0, w - 1, h - 1);
  p.setPen(QColor(212, 208, 200));
  p.drawLine(1, h - 2, w - 2, h - 2);
  p.drawLine(w - 2, 1, w - 2, h - 2);
  if (!area_) return;
  p.translate(kBorder, kBorder);
  p.setClipRect(QRect(0, 0, w - 2 * kBorder, h - 2 * kBorder));
  PaintDisplayList(p, *area_);
  revision_ = area_->Revision();
}

ImageView::ImageView(std::string picture, QWidget* parent) : QWidget(parent), picture_(std::move(picture)) {}

void ImageView::SetPicture(const std::string& picture) {
  if (picture == picture_) return;
  picture_ = picture;
  cache_ = QPixmap();
  update();
}

void ImageView::SetDrawing(const DrawingArea* drawing) {
  if (drawing_ == drawing) return;
  drawing_ = drawing;
  update();
}

void ImageView::paintEvent(QPaintEvent*) {
  if (drawing_ && drawing_->PixelWidth() > 0 && drawing_->PixelHeight() > 0) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(static_cast<double>(width()) / drawing_->PixelWidth(),
            static_cast<double>(height()) / drawing_->PixelHeight());
    PaintDisplayList(p, *drawing_);
    p.resetTransform();
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    return;
  }
  if (picture_.empty()) return;
  const double ratio = devicePixelRatioF();
  if (cache_.isNull() || cacheSize_ != size() || cacheRatio_ != ratio) {
    cache_ = Picture(picture_, size(), ratio);
    cacheSize_ = size();
    cacheRatio_ = ratio;
  }
  QPainter p(this);
  p.drawPixmap(0, 0, cache_);
}

void FrameBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QFontMetrics metrics(font());
  const int top = metrics.height() / 2;
  const QRect box(0, top, width() - 2, height() - top - 2);
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(box);
  p.setPen(palette().color(QPalette::Light));
  p.drawRect(box.translated(1, 1));
  if (title().isEmpty()) return;
  const int textWidth = metrics.horizontalAdvance(title());
  const QRect titleRect(8, 0, std::min(textWidth + 4, width() - 12), metrics.height());
  p.fillRect(titleRect, palette().color(QPalette::Window));
  p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  p.drawText(titleRect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title());
}

void MenuBar::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
  QMenuBar::initStyleOption(option, action);
  // The bar holds the focus only while the keyboard moves in it.
  if (hasFocus() && option->state.testFlag(QStyle::State_Selected)) option->state |= QStyle::State_Sunken;
}

SpinnerWidget::SpinnerWidget(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {up_, down_}) {
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
  }
}

void SpinnerWidget::resizeEvent(QResizeEvent* event) {
  const int w = event->size().width();
  const int h = event->size().height();
  const int half = h / 2;
  up_->setGeometry(0, 0, w, half);
  down_->setGeometry(0, half, w, h - half);
}

}  // namespace vl::qt
