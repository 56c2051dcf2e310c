#include "charts/cross_hair.h"

namespace sm {

void TCrossHair::SetActive(bool flag) {
  Active = flag && Enabled;
  if (!Active) Erase();
}

void TCrossHair::SetEnabled(bool flag) {
  Enabled = flag;
  SetActive(Active && flag);
}

void TCrossHair::MoveTo(int x, int y, TMyChart* pane) {
  if (Chart) {
    canvas_.RemoveLines(*Chart);
    Chart = nullptr;
  }
  if (!Active || !pane) return;
  if (!canvas_.InPlotArea(*pane, x, y)) return;
  Chart = pane;
  X = x;
  Y = y;
  canvas_.DrawLines(*pane, x, y);
}

void TCrossHair::Forget(const TMyChart& pane) {
  if (Chart == &pane) Chart = nullptr;
}

}  // namespace sm
