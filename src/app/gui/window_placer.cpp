#include "window_placer.h"

#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

namespace ledra::gui {
namespace {

// Width and height of the window's decoration (zero before it is shown).
QSize Decoration(const QWidget& w) {
  return w.frameGeometry().size() - w.geometry().size();
}

}  // namespace

reports::WindowRect WindowPlacer::Desktop() const {
  const QScreen* screen = window_.screen();
  if (screen == nullptr) return {0, 0, 1024, 768};
  const QRect area = screen->availableGeometry();
  return {area.x(), area.y(), area.width(), area.height()};
}

void WindowPlacer::RememberReport() {
  if (!window_.isVisible() || window_.isMaximized() || window_.isMinimized()) return;
  const QRect f = window_.frameGeometry();
  last_report_ = reports::WindowRect{f.x(), f.y(), f.width(), f.height()};
}

void WindowPlacer::RememberPanel() {
  if (!window_.isVisible() || window_.isMinimized()) return;
  const QPoint p = window_.frameGeometry().topLeft();
  last_panel_ = reports::Point{p.x(), p.y()};
}

void WindowPlacer::PlaceForReport() {
  if (window_.isMaximized()) {
    window_.setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    return;
  }
  Apply(reports::ReportPlacement({Desktop(), dpi_x_, dpi_y_, last_report_}));
}

void WindowPlacer::PlaceForPanel(QSize panel) {
  if (window_.isMaximized()) window_.showNormal();
  const QSize deco = Decoration(window_);
  int bars = window_.menuBar()->sizeHint().height();
  if (window_.statusBar()->isVisibleTo(&window_)) bars += window_.statusBar()->sizeHint().height();
  reports::PanelSizeInput in;
  in.desktop = Desktop();
  in.panel_width = panel.width();
  in.panel_height = panel.height();
  in.frame_width = deco.width();
  in.frame_height = deco.height() + bars;
  in.last = last_panel_;
  Apply(reports::PanelPlacement(in));
}

void WindowPlacer::Apply(const reports::WindowPlacement& placement) {
  const bool has_box = window_.windowFlags().testFlag(Qt::WindowMaximizeButtonHint);
  if (has_box != placement.maximize_box) {
    // Changing the flags hides a shown window.
    const bool visible = window_.isVisible();
    window_.setWindowFlag(Qt::WindowMaximizeButtonHint, placement.maximize_box);
    if (visible) window_.show();
  }
  const QSize deco = Decoration(window_);
  const reports::WindowRect& r = placement.rect;
  window_.move(r.x, r.y);  // the frame's corner
  window_.resize(std::max(r.width - deco.width(), 1), std::max(r.height - deco.height(), 1));
}

}  // namespace ledra::gui
