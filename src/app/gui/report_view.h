#pragma once
// The scrolling view of one report: it draws the report's strip of pages on
// the screen through the report canvas and scrolls it by the view's rules.

#include <QAbstractScrollArea>
#include <functional>

#include "reports/report_view_model.h"

namespace ledra::gui {

class ReportView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // `draw` draws the current report's strip and returns its page count.
  using Drawer = std::function<int(Canvas& canvas)>;
  ReportView(reports::ReportViewModel& model, Drawer draw, QWidget* parent = nullptr);

  // After the report or its settings changed: redraw and resize the strip.
  void Refresh();

 signals:
  void BackToPanel();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateScrollBars();

  reports::ReportViewModel& model_;
  Drawer draw_;
};

}  // namespace ledra::gui
