// The cross-hair over the panes: switched on and off by the user, active
// while the pointer is over a plot area, its two lines drawn where the
// pointer was last seen.
#pragma once

namespace sm {

class TMyChart;

// Where the lines are drawn; the window's panes implement it.
class CrossHairCanvas {
 public:
  virtual ~CrossHairCanvas() = default;
  virtual bool InPlotArea(const TMyChart& pane, int x, int y) const = 0;
  virtual void DrawLines(TMyChart& pane, int x, int y) = 0;
  virtual void RemoveLines(TMyChart& pane) = 0;
};

class TCrossHair {
 public:
  explicit TCrossHair(CrossHairCanvas& canvas) : canvas_(canvas) {}

  void SetActive(bool flag);
  void SetEnabled(bool flag);
  // Removes the lines where they are, then draws them at (x, y) on the pane
  // when active and the point lies in its plot area.
  void MoveTo(int x, int y, TMyChart* pane);
  void Erase() { MoveTo(-1, -1, nullptr); }
  // The pane is going away: forget lines drawn on it.
  void Forget(const TMyChart& pane);

  int X = -1, Y = -1;
  TMyChart* Chart = nullptr;
  bool Active = false;
  bool Enabled = false;

 private:
  CrossHairCanvas& canvas_;
};

}  // namespace sm
