#pragma once
// The fonts the forms ask for, as Qt fonts sized in pixels so a layout in twips holds at 96 dpi
// whatever the screen says.
#include <QFont>

#include "Font.h"

namespace vl::qt {

// Maps the families the forms name to installed look-alikes; safe to call more than once.
void RegisterFontSubstitutions();

QFont MakeFont(const Font& font);

}  // namespace vl::qt
