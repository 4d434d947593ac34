#include <QScreen>
#include <QtTest>

#include "main_window.h"
#include "window_placer.h"

namespace ledra::gui {

class WindowPlacerTest : public QObject {
  Q_OBJECT

 private slots:
  void maximiseBoxOnlyInReportModeAndPlacesAreRemembered() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    WindowPlacer placer(window, 96, 96);
    const QRect area = window.screen()->availableGeometry();

    placer.PlaceForPanel(QSize(300, 200));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window.isVisible());
    QVERIFY(window.width() >= 311);
    QVERIFY(window.height() >= 211);

    placer.RememberPanel();
    placer.PlaceForReport();
    QVERIFY(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window.isVisible());
    const reports::WindowPlacement expected = reports::ReportPlacement(
        {{area.x(), area.y(), area.width(), area.height()}, 96, 96, std::nullopt});
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(expected.rect.x, expected.rect.y));
    QCOMPARE(window.frameGeometry().height(), expected.rect.height);

    // The report window the user moved comes back where it was.
    window.move(area.x() + 5, area.y() + 7);
    QTRY_COMPARE(window.frameGeometry().topLeft(), QPoint(area.x() + 5, area.y() + 7));
    placer.RememberReport();
    placer.PlaceForPanel(QSize(300, 200));
    placer.PlaceForReport();
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(area.x() + 5, area.y() + 7));
  }
};

}  // namespace ledra::gui

QTEST_MAIN(ledra::gui::WindowPlacerTest)
#include "window_placer_test.moc"
