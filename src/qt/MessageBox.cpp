#include "MessageBox.h"

#include <QMessageBox>
#include <QString>

namespace vl::qt {

void ShowMessageBox(const MessageRecord& rec, QWidget* parent) {
  QString text = QString::fromStdString(rec.text);
  text.replace("\r\n", "\n");
  text.replace('\r', '\n');
  QMessageBox box(rec.icon == MsgIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                  QString::fromStdString(rec.title), text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace vl::qt
