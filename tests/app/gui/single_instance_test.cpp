#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QSignalSpy>
#include <QtTest>

#include "single_instance.h"

using ledra::gui::SingleInstance;

class SingleInstanceTest : public QObject {
  Q_OBJECT

  static QString UniqueName() {
    return QStringLiteral("ledra-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(++counter_);
  }
  static inline int counter_ = 0;

 private slots:
  void NameIsPerUserAndEdition() {
    QVERIFY(SingleInstance::DefaultName().startsWith(QStringLiteral("LEDRA_9_ptg-")));
  }

  void SecondStartOnlyRaisesTheFirst() {
    const QString name = UniqueName();
    SingleInstance first(name);
    QVERIFY(first.Claim());
    QSignalSpy raised(&first, &SingleInstance::ActivationRequested);

    SingleInstance second(name);
    QVERIFY(!second.Claim());
    // The second waits for the first's answer, so the request may be seen already.
    QTRY_COMPARE(raised.count(), 1);
  }

  void TheSecondStartLearnsTheFolderOfTheFirst() {
    const QString name = UniqueName();
    SingleInstance first(name);
    QVERIFY(first.Claim());
    first.SetDataFolder(QStringLiteral("/dados/congregação"));
    SingleInstance second(name);
    QVERIFY(!second.Claim());
    QCOMPARE(second.running_folder(), QStringLiteral("/dados/congregação"));
  }

  void ASocketLeftByACrashIsTakenOver() {
    const QString name = UniqueName();
    const QString path = QDir(QDir::tempPath()).filePath(name);
    QFile stale(path);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    SingleInstance instance(name);
    QVERIFY(instance.Claim());
    SingleInstance later(name);
    QVERIFY(!later.Claim());
  }

  void RaiseRestoresAMinimisedWindow() {
    QMainWindow window;
    window.showMinimized();
    ledra::gui::RaiseWindow(&window);
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
  }
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
