#include "Fonts.h"

#include <cmath>
#include <mutex>
#include <QString>
#include <QStringList>

namespace vl::qt {

void RegisterFontSubstitutions() {
  static std::once_flag once;
  std::call_once(once, [] {
    QFont::insertSubstitutions("Comic Sans MS", {"Comic Neue"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("MS Serif", {"Liberation Serif", "DejaVu Serif"});
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
  });
}

QFont MakeFont(const Font& font) {
  RegisterFontSubstitutions();
  QFont f(QString::fromStdString(font.name));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 96.0 / 72.0))));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  return f;
}

}  // namespace vl::qt
