#include "Pictures.h"

#include <cmath>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QTextDocument>

#include "Fonts.h"

namespace vl::qt {

namespace {

constexpr double kHelpTextWidth = 440;

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// The arrowheads are exact pixel patterns: black 1-pixel strokes on a transparent ground.
QImage Chevron(bool pointsRight) {
  QImage img(16, 16, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  const QRgb black = qRgba(0, 0, 0, 255);
  for (int i = 0; i <= 4; ++i) {
    if (pointsRight) {
      img.setPixel(i, i, black);      // upper stroke down to the tip at (4, 4)
      img.setPixel(i, 8 - i, black);  // lower stroke up to the tip
    } else {
      img.setPixel(4 - i, i, black);  // left stroke up to the tip at (4, 0)
      img.setPixel(4 + i, i, black);  // right stroke
    }
  }
  return img;
}

// A window with a red cross: closes this window.
void DrawClose(QPainter& p) {
  p.setPen(QPen(QColor(40, 40, 40), 1.2));
  p.setBrush(QColor(236, 236, 236));
  p.drawRect(QRectF(3.5, 4.5, 25, 23));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 70, 160));
  p.drawRect(QRectF(4.1, 5.1, 23.8, 4.5));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(6, 11.5, 20, 14));
  QPen cross(QColor(210, 20, 20), 3.4, Qt::SolidLine, Qt::RoundCap);
  p.setPen(cross);
  p.drawLine(QPointF(10.5, 14), QPointF(21.5, 23.5));
  p.drawLine(QPointF(21.5, 14), QPointF(10.5, 23.5));
}

// An open door with an arrow leaving through it: ends the program.
void DrawExit(QPainter& p) {
  // The door frame and the dark opening.
  p.setPen(QPen(QColor(90, 55, 25), 1.5));
  p.setBrush(QColor(45, 35, 30));
  p.drawRect(QRectF(4, 3, 15, 26));
  // The door leaf, swung open towards the viewer.
  QPolygonF leaf;
  leaf << QPointF(4, 3) << QPointF(12, 6.5) << QPointF(12, 31) << QPointF(4, 29);
  p.setPen(QPen(QColor(90, 55, 25), 1.2));
  p.setBrush(QColor(190, 125, 60));
  p.drawPolygon(leaf);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 200, 60));
  p.drawEllipse(QPointF(10.3, 18.5), 1.1, 1.1);
  // The arrow, out to the right.
  QPainterPath arrow;
  arrow.moveTo(14, 14.5);
  arrow.lineTo(22, 14.5);
  arrow.lineTo(22, 10);
  arrow.lineTo(30.5, 17.5);
  arrow.lineTo(22, 25);
  arrow.lineTo(22, 20.5);
  arrow.lineTo(14, 20.5);
  arrow.closeSubpath();
  p.setPen(QPen(QColor(20, 90, 20), 1.0));
  p.setBrush(QColor(40, 170, 40));
  p.drawPath(arrow);
}

// A page-turning arrow on a 24-unit grid.
void DrawPageArrow(QPainter& p, bool right) {
  if (!right) {
    p.translate(24, 0);
    p.scale(-1, 1);
  }
  QPainterPath arrow;
  arrow.moveTo(3, 9);
  arrow.lineTo(12, 9);
  arrow.lineTo(12, 3.5);
  arrow.lineTo(21.5, 12);
  arrow.lineTo(12, 20.5);
  arrow.lineTo(12, 15);
  arrow.lineTo(3, 15);
  arrow.closeSubpath();
  p.setPen(QPen(QColor(10, 40, 120), 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(QColor(40, 100, 210));
  p.drawPath(arrow);
}

void DrawHelpPage(QPainter& p, QTextDocument& doc, QSizeF target) {
  const QSizeF natural = doc.size();
  if (natural.isEmpty()) return;
  // One scale for both axes, so the page keeps its proportions inside the control.
  const double scale = std::min(target.width() / natural.width(), target.height() / natural.height());
  p.scale(scale, scale);
  doc.drawContents(&p);
}

}  // namespace

std::unique_ptr<QTextDocument> HelpPage(const std::string& page) {
  QFile file(QString(":/help/%1.html").arg(QString::fromStdString(page)));
  if (!file.open(QIODevice::ReadOnly)) return nullptr;
  auto doc = std::make_unique<QTextDocument>();
  doc->setDefaultFont(MakeFont(Font{"Comic Sans MS", 9.75, true}));
  doc->setDocumentMargin(4);
  doc->setHtml(QString::fromUtf8(file.readAll()));
  doc->setTextWidth(kHelpTextWidth);
  doc->size();  // lays the page out now, so its lines can be read
  return doc;
}

QSize NaturalPictureSize(const std::string& name) {
  if (name == "setah" || name == "setav") return {16, 16};
  if (name == "fechar" || name == "sair") return {32, 32};
  if (name == "arrow-left" || name == "arrow-right") return {24, 24};
  return {};
}

QPixmap Picture(const std::string& name, QSize size, double devicePixelRatio) {
  const QSize natural = NaturalPictureSize(name);
  if (!size.isValid() || size.isEmpty()) size = natural.isValid() ? natural : QSize(16, 16);
  if (devicePixelRatio <= 0) devicePixelRatio = 1.0;

  const QSize device(static_cast<int>(std::ceil(size.width() * devicePixelRatio)),
                     static_cast<int>(std::ceil(size.height() * devicePixelRatio)));
  QImage img(device, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);

  if (name == "setah" || name == "setav") {
    // Unscaled at the top-left corner: at one device pixel per pixel the exact bitmap; on a denser
    // screen the same strokes drawn through its pixels' centres, so they stay fine and smooth
    // instead of coming out as doubled stair steps.
    QPainter p(&img);
    if (devicePixelRatio == 1.0) {
      p.drawImage(QPoint(0, 0), Chevron(name == "setah"));
    } else {
      p.setRenderHint(QPainter::Antialiasing, true);
      p.scale(devicePixelRatio, devicePixelRatio);
      p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      const QPolygonF strokes = name == "setah" ? QPolygonF({QPointF(0.5, 0.5), QPointF(4.5, 4.5), QPointF(0.5, 8.5)})
                                                : QPolygonF({QPointF(0.5, 4.5), QPointF(4.5, 0.5), QPointF(8.5, 4.5)});
      p.drawPolyline(strokes);
    }
  } else if (name == "fechar" || name == "sair" || name == "arrow-left" || name == "arrow-right") {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double grid = natural.width();
    p.scale(device.width() / grid, device.height() / grid);
    if (name == "fechar")
      DrawClose(p);
    else if (name == "sair")
      DrawExit(p);
    else
      DrawPageArrow(p, name == "arrow-right");
  } else if (StartsWith(name, "help/")) {
    if (const auto doc = HelpPage(name.substr(5))) {
      QPainter p(&img);
      p.setRenderHint(QPainter::Antialiasing, true);
      p.setRenderHint(QPainter::TextAntialiasing, true);
      p.scale(devicePixelRatio, devicePixelRatio);
      DrawHelpPage(p, *doc, QSizeF(size));
    }
  }

  QPixmap pixmap = QPixmap::fromImage(img);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

}  // namespace vl::qt
