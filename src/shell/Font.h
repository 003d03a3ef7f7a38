#pragma once
#include <string>
#include <utility>

namespace vl {

// A font as the program asks for it; the screen maps missing families to look-alikes.
struct Font {
  // Constructors of its own rather than an aggregate: GCC 12 at -O3 warns of an uninitialised
  // string when an aggregate Font is built inside the aggregate rows of a control table.
  Font() {}
  Font(std::string name_, double size_, bool bold_ = false, bool italic_ = false, bool underline_ = false)
      : name(std::move(name_)), size(size_), bold(bold_), italic(italic_), underline(underline_) {}

  std::string name = "MS Sans Serif";
  double size = 8.25;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;

  bool operator==(const Font&) const = default;
};

}  // namespace vl
