#pragma once
// Moves and sizes the main window when the view switches between the action
// panel and a report, remembering where each was last.

#include <QMainWindow>
#include <optional>

#include "reports/window_placement.h"

namespace ledra::gui {

class WindowPlacer {
 public:
  WindowPlacer(QMainWindow& window, int screen_dpi_x, int screen_dpi_y)
      : window_(window), dpi_x_(screen_dpi_x), dpi_y_(screen_dpi_y) {}

  // Call before the view changes: keeps the place of the mode being left.
  void RememberReport();
  void RememberPanel();
  void PlaceForReport();
  // `panel` is the panel's own size.
  void PlaceForPanel(QSize panel);

 private:
  reports::WindowRect Desktop() const;
  void Apply(const reports::WindowPlacement& placement);

  QMainWindow& window_;
  int dpi_x_, dpi_y_;
  std::optional<reports::WindowRect> last_report_;
  std::optional<reports::Point> last_panel_;
};

}  // namespace ledra::gui
