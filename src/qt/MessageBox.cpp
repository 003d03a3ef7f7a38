#include "MessageBox.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QString>
#include <QStyle>

namespace vl::qt {

namespace {

// The width a window manager's title bar needs to show `title` whole: the text in the bold title
// font, then the window's icon and its three buttons (minimise, maximise, close), each a square
// as high as the bar, and half a square each side of the text.
int TitleBarWidth(const QString& title, const QStyle& style) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  font.setBold(true);
  const int square = style.pixelMetric(QStyle::PM_TitleBarHeight);
  return QFontMetrics(font).horizontalAdvance(title) + 5 * square;
}

}  // namespace

void ShowMessageBox(const MessageRecord& rec, QWidget* parent) {
  QString text = QString::fromStdString(rec.text);
  text.replace("\r\n", "\n");
  text.replace('\r', '\n');
  QMessageBox box(rec.icon == MsgIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                  QString::fromStdString(rec.title), text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  // QMessageBox takes its width from its text, and for a short text the window manager would cut
  // the title short ("Van… ira"). An empty row as wide as the title needs, below the others, makes
  // the box that wide and moves nothing: text, icon and button keep their places.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    const QMargins margins = grid->contentsMargins();
    const int room = TitleBarWidth(box.windowTitle(), *box.style()) - margins.left() - margins.right();
    grid->addItem(new QSpacerItem(room, 0, QSizePolicy::Fixed, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
  }
  box.exec();
}

}  // namespace vl::qt
