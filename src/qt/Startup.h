#pragma once
// Starting Qt where there may be no screen at all.
#include <memory>
#include <QApplication>
#include <string>

namespace vl::qt {

// The application object. Without a graphical session Qt would end the process with a page of
// plugin messages and a core dump; instead this prints the one line `withoutDisplay` and ends the
// process with status 1. Qt's messages while it starts are shown only when it does start.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv, const std::string& withoutDisplay);

}  // namespace vl::qt
