#pragma once
// Every picture the forms name, drawn here: the arrowheads of the axes, the icons of the buttons
// and the help pages (rich text kept as resources, rendered as vectors at the size asked for).
#include <memory>
#include <QPixmap>
#include <QSize>
#include <QTextDocument>
#include <string>

namespace vl::qt {

// The size a picture has when shown unscaled; an empty size for a name that has no fixed size.
QSize NaturalPictureSize(const std::string& name);

// The picture at `size` in device-independent pixels (the natural size when `size` is not valid),
// rendered for a screen of `devicePixelRatio`. The arrowheads are bitmaps placed at the top-left of
// a larger size; icons and help pages scale. A name nobody knows gives a transparent picture.
QPixmap Picture(const std::string& name, QSize size, double devicePixelRatio = 1.0);

// A help page ("indice-2" ...) laid out at its natural width, before it is scaled to its control;
// nullptr for a page the program does not have.
std::unique_ptr<QTextDocument> HelpPage(const std::string& page);

}  // namespace vl::qt
