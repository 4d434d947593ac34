#include "report_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include "platform/qt/qt_canvas.h"

namespace ledra::gui {

ReportView::ReportView(reports::ReportViewModel& model, Drawer draw, QWidget* parent)
    : QAbstractScrollArea(parent), model_(model), draw_(std::move(draw)) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAutoFillBackground(true);
  viewport()->setBackgroundRole(QPalette::Base);
}

void ReportView::Refresh() {
  UpdateScrollBars();
  viewport()->update();
}

void ReportView::UpdateScrollBars() {
  const reports::ScrollSizes s = model_.ReportScrollSizes();
  const QSize view = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, s.total.width - view.width()));
  verticalScrollBar()->setRange(0, std::max(0, s.total.height - view.height()));
  horizontalScrollBar()->setPageStep(s.page.width);
  verticalScrollBar()->setPageStep(s.page.height);
  horizontalScrollBar()->setSingleStep(s.line.width);
  verticalScrollBar()->setSingleStep(s.line.height);
}

void ReportView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
  qt::QtCanvas canvas(painter, model_.screen_dpi_x(), model_.screen_dpi_y());
  const int pages = draw_(canvas);
  if (pages != model_.page_count()) {
    model_.set_page_count(pages);
    UpdateScrollBars();
  }
}

void ReportView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void ReportView::keyPressEvent(QKeyEvent* event) {
  using reports::ViewKey;
  ViewKey key;
  switch (event->key()) {
    case Qt::Key_PageUp:
      key = ViewKey::kPageUp;
      break;
    case Qt::Key_PageDown:
      key = ViewKey::kPageDown;
      break;
    case Qt::Key_Home:
      key = ViewKey::kHome;
      break;
    case Qt::Key_End:
      key = ViewKey::kEnd;
      break;
    case Qt::Key_Left:
      key = ViewKey::kLeft;
      break;
    case Qt::Key_Right:
      key = ViewKey::kRight;
      break;
    case Qt::Key_Up:
      key = ViewKey::kUp;
      break;
    case Qt::Key_Down:
      key = ViewKey::kDown;
      break;
    case Qt::Key_Escape:
      key = ViewKey::kEscape;
      break;
    default:
      QAbstractScrollArea::keyPressEvent(event);
      return;
  }
  const reports::KeyEffect e = model_.Key(key);
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  if (e.to_panel) {
    emit BackToPanel();
  } else if (e.to_start) {
    h->setValue(0);
    v->setValue(0);
  } else if (e.to_end) {
    h->setValue(h->maximum());
    v->setValue(v->maximum());
  } else {
    h->setValue(h->value() + e.dx);
    v->setValue(v->value() + e.dy);
  }
}

}  // namespace ledra::gui
