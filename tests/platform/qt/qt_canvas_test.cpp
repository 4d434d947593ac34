#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/qt/qt_canvas.h"
#include "reports/report_frame.h"

namespace ledra::qt {

class QtCanvasTest : public QObject {
  Q_OBJECT

  // Lines per page of the list frame drawn on `device` at `dpi`.
  static int LinesPerPage(QPaintDevice& device, int dpi, bool grid) {
    QPainter painter(&device);
    QtCanvas canvas(painter, dpi, dpi);
    reports::ReportEnv env;
    env.printer_dpi_x = env.printer_dpi_y = dpi == env.screen_dpi_x ? 300 : dpi;
    env.options.grid = grid;
    reports::ReportFrame frame(canvas, env);
    return frame.ListFrame().lines_per_page;
  }

 private slots:
  // The screen, a preview and PDFs of any resolution plan the same pages.
  void everyDevicePlansTheSameLinesPerPage() {
    QTemporaryDir dir;
    for (const bool grid : {false, true}) {
      QImage screen(800, 1000, QImage::Format_RGB32);
      screen.setDotsPerMeterX(3780);  // 96 dpi
      screen.setDotsPerMeterY(3780);
      const int on_screen = LinesPerPage(screen, 96, grid);
      QVERIFY(on_screen > 40);
      for (const int dpi : {300, 600, 1200}) {
        QPdfWriter pdf(dir.filePath(QStringLiteral("p%1.pdf").arg(dpi)));
        pdf.setResolution(dpi);
        QCOMPARE(LinesPerPage(pdf, dpi, grid), on_screen);
      }
    }
  }
};

}  // namespace ledra::qt

QTEST_MAIN(ledra::qt::QtCanvasTest)
#include "qt_canvas_test.moc"
