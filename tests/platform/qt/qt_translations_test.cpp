#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/qt/qt_translations.h"

namespace ledra::qt {

class QtTranslationsTest : public QObject {
  Q_OBJECT

  static QString CancelText() { return QCoreApplication::translate("QPlatformTheme", "Cancel"); }

 private slots:
  // A folder without Qt's catalogues leaves the English texts in place.
  void folderWithoutCataloguesChangesNothing() {
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    QVERIFY(!InstallQtTranslations(*QCoreApplication::instance(), empty.path()));
    QCOMPARE(CancelText(), QStringLiteral("Cancel"));
  }

  // With the system's catalogue, the standard buttons speak Portuguese.
  void standardButtonsSpeakPortuguese() {
    const QDir folder(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (folder.entryList({QStringLiteral("qtbase_pt*.qm")}, QDir::Files).isEmpty())
      QSKIP("Qt's Portuguese catalogue is not installed");
    QVERIFY(InstallQtTranslations(*QCoreApplication::instance()));
    QCOMPARE(CancelText(), QStringLiteral("Cancelar"));
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')),
             QStringLiteral("Cancelar"));
  }
};

}  // namespace ledra::qt

QTEST_MAIN(ledra::qt::QtTranslationsTest)
#include "qt_translations_test.moc"
