#pragma once
#include <string>

namespace vl {

// A font as the program asks for it; the screen maps missing families to look-alikes.
struct Font {
  std::string name = "MS Sans Serif";
  double size = 8.25;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;

  bool operator==(const Font&) const = default;
};

}  // namespace vl
