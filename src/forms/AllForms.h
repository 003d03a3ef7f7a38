#pragma once
#include "App.h"

namespace vl {

// Makes every window of the program known to the window system by its name.
void RegisterAllForms(App& app);

// The form names, main window first.
const std::vector<std::string>& AllFormNames();

}  // namespace vl
