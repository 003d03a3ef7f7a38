#pragma once
// A control of a form: what the window system shows, described as data. Geometry is in twips
// (1/1440 inch) relative to the control's container; the Qt back end lays it out at 15 twips per pixel.
#include <cstdint>
#include <memory>
#include <string>

#include "DrawingArea.h"
#include "Font.h"

namespace vl {

enum class ControlKind {
  Label,
  TextBox,
  CommandButton,
  CheckBox,
  OptionButton,
  Frame,
  PictureBox,  // a drawing area
  Image,       // a picture at a position
  Spinner,     // up and down arrows, each with its own click event
  Menu,        // a menu entry; container is the menu that holds it, empty on the bar
};

const char* KindName(ControlKind kind);

enum class Align { Left, Center, Right };

inline constexpr int kTwipsPerPixel = 15;
// A drawing area has a sunken border of two pixels on each side.
inline constexpr int InnerPixels(int twips) { return twips / kTwipsPerPixel - 4; }

// What a form's control table declares for each control.
struct ControlDecl {
  std::string name;  // the documented name; array elements are written "Image1(3)"
  ControlKind kind = ControlKind::Label;
  std::string container;                         // name of the frame or picture box that holds it; empty for the form
  int left = 0, top = 0, width = 0, height = 0;  // twips
  std::string text = {};  // caption of a label, button, frame, check box or menu; contents of a text box
  std::string tooltip = {};
  Font font = {};
  std::int32_t foreColor = -1;  // 0xRRGGBB, -1 for the default
  std::string picture = {};     // name of a picture resource shown by a button or image
  Align alignment = Align::Left;
};

// Everything a screen mirrors of a control: its declaration and what handlers change at run time.
// A back end keeps a copy of it to see what changed since it last drew the control.
struct ControlState : ControlDecl {
  std::int32_t backColor = -1;
  bool enabled = true;
  bool visible = true;
  bool value = false;  // check box ticked, option button selected
};

struct Control : ControlState {
  std::unique_ptr<DrawingArea> drawing;  // drawing areas only

  bool IsTextBox() const { return kind == ControlKind::TextBox; }
};

}  // namespace vl
