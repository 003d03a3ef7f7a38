#pragma once
#include "Form.h"

namespace vl {

// Gives the main window's four pictures their contents: views of the program's own plane with a
// solved problem on it, drawn by the same code as the topic windows.
void DrawMainPictures(Form& mainWindow);

}  // namespace vl
