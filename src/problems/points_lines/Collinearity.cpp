#include "Collinearity.h"

#include "Checked.h"

namespace vl {

bool CollinearityTest(PlanePoint p1, PlanePoint p2, PlanePoint p3) {
  using checked::Mul;
  using checked::Sub;
  return Mul(Sub(p3.y, p1.y), Sub(p2.x, p1.x)) == Mul(Sub(p3.x, p1.x), Sub(p2.y, p1.y));
}

}  // namespace vl
