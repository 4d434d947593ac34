#include <QLabel>
#include <QStatusBar>
#include <QtTest>

#include "main_window.h"

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void TitleComesFromTheStringTable() {
    ledra::gui::MainWindow window;
    window.show();
    QCOMPARE(window.windowTitle(), QString::fromUtf8("Sistema de Actividade de Serviço"));
    QCOMPARE(window.objectName(), QStringLiteral("LEDRA_9_ptg"));
  }

  void StatusBarHasTwoPanes() {
    ledra::gui::MainWindow window;
    window.SetStatusText(1, QStringLiteral("month"));
    const auto labels = window.statusBar()->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 2);
    bool found = false;
    for (QLabel* label : labels) found = found || label->text() == QStringLiteral("month");
    QVERIFY(found);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
