#include "charts/pane_axes.h"

namespace sm {
namespace {

void Zoom(ValueAxis& axis, bool out) {
  const double q = (axis.max - axis.min) / 4;
  if (out)
    axis.SetRange(axis.min - q, axis.max + q);
  else
    axis.SetRange(axis.min + q, axis.max - q);
}

}  // namespace

AxisSelection SelectAxis(const TMyChart& pane, bool left_selected) {
  AxisSelection s;
  s.right_selected = pane.HasRightAxis && !left_selected;
  s.left_marker = !s.right_selected;
  s.right_marker = s.right_selected || !pane.HasRightAxis;
  s.left_button_down = !s.right_selected;
  s.right_button_down = s.right_selected;
  s.right_button_enabled = pane.HasRightAxis;
  return s;
}

void ShiftY(TMyChart& pane, int dir, bool right_selected) {
  const double step_left = (pane.left.max - pane.left.min) * 0.1 * dir;
  const double step_right = (pane.right.max - pane.right.min) * 0.1 * dir;
  if (pane.HasRightAxis) {
    if (right_selected)
      pane.right.SetRange(pane.right.min + step_right, pane.right.max + step_right);
    else
      pane.left.SetRange(pane.left.min + step_left, pane.left.max + step_left);
    return;
  }
  pane.left.SetRange(pane.left.min + step_left, pane.left.max + step_left);
  pane.right.SetRange(pane.left.min, pane.left.max);
}

void ZoomY(TMyChart& pane, bool out, bool right_selected) {
  if (right_selected && pane.HasRightAxis) {
    Zoom(pane.right, out);
    return;
  }
  Zoom(pane.left, out);
  if (!pane.HasRightAxis) pane.right.SetRange(pane.left.min, pane.left.max);
}

}  // namespace sm
