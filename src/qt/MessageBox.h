#pragma once
// The message box on the screen: modal, with the program's text, title and icon and one OK button.
#include "App.h"

class QWidget;

namespace vl::qt {

// Shows the box over `parent` (none: over no window) and returns when the user has closed it.
void ShowMessageBox(const MessageRecord& rec, QWidget* parent);

}  // namespace vl::qt
