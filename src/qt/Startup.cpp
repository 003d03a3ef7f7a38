#include "Startup.h"

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace vl::qt {

namespace {

const std::string* g_withoutDisplay = nullptr;
std::vector<std::pair<QtMsgType, QString>>* g_heldBack = nullptr;

void HoldBack(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", g_withoutDisplay->c_str());
    std::_Exit(1);
  }
  g_heldBack->emplace_back(type, message);
}

}  // namespace

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv, const std::string& withoutDisplay) {
  std::vector<std::pair<QtMsgType, QString>> heldBack;
  g_withoutDisplay = &withoutDisplay;
  g_heldBack = &heldBack;
  const QtMessageHandler previous = qInstallMessageHandler(HoldBack);
  auto app = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  g_heldBack = nullptr;
  g_withoutDisplay = nullptr;
  for (const auto& [type, message] : heldBack) previous(type, QMessageLogContext(), message);
  return app;
}

}  // namespace vl::qt
