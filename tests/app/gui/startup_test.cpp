#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "main_window.h"
#include "platform/files.h"
#include "platform/user_config.h"
#include "single_instance.h"
#include "startup.h"

using ledra::Date;
using ledra::ScriptedPrompter;
using ledra::gui::Startup;
using ledra::gui::StartupOptions;

namespace {

void Write(const QString& path, const char* text) {
  std::ofstream(path.toStdString(), std::ios::binary) << text;
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

  QString UniqueName() {
    return QStringLiteral("ledra-startup-test-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(++counter_);
  }
  int counter_ = 0;

  StartupOptions Options(const QTemporaryDir& dir, const QString& name) {
    return {dir.path().toStdString(), Date{2025, 3, 10}, name, {}, {}};
  }

 private slots:
  void OpensAWindowOnAFreshFolder() {
    QTemporaryDir dir;
    Write(dir.filePath(QStringLiteral("contact.tsv")), "x");
    ScriptedPrompter prompter;
    Startup startup(Options(dir, UniqueName()), &prompter);
    QCOMPARE(startup.Start(), Startup::Outcome::kRunning);
    QVERIFY(startup.window()->isVisible());
    QCOMPARE(startup.window()->windowTitle(),
             QString::fromUtf8("Sistema de Actividade de Serviço"));
    QCOMPARE(startup.ReportMonthStatus(), QString::fromUtf8("  Mês de Entradas = Fevereiro"));
    // The start-up notice, and the export leftover is gone.
    QCOMPARE(prompter.shown.size(), size_t{1});
    QVERIFY(prompter.shown[0].starts_with("Este programa"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("contact.tsv"))));
  }

  void NagSwitchesTheNoticeOff() {
    QTemporaryDir dir;
    Write(dir.filePath(QStringLiteral("ledra.ini")), "[Nag]\r\nEnabled=1\r\n");
    ScriptedPrompter prompter;
    Startup startup(Options(dir, UniqueName()), &prompter);
    QCOMPARE(startup.Start(), Startup::Outcome::kRunning);
    QVERIFY(prompter.shown.empty());
    QVERIFY(startup.settings().nag);
  }

  void ASecondStartOnlyRaisesTheFirst() {
    QTemporaryDir dir;
    const QString name = UniqueName();
    ScriptedPrompter prompter;
    Startup first(Options(dir, name), &prompter);
    QCOMPARE(first.Start(), Startup::Outcome::kRunning);
    first.window()->showMinimized();

    Startup second(Options(dir, name), &prompter);
    QCOMPARE(second.Start(), Startup::Outcome::kOtherInstance);
    QVERIFY(second.window() == nullptr);
    QTRY_VERIFY(!first.window()->isMinimized());
  }

  void AStartForAnotherFolderSaysTheProgramIsOpenElsewhere() {
    QTemporaryDir first_dir, second_dir;
    const QString name = UniqueName();
    ScriptedPrompter prompter;
    Startup first(Options(first_dir, name), &prompter);
    QCOMPARE(first.Start(), Startup::Outcome::kRunning);

    ScriptedPrompter told;
    Startup second(Options(second_dir, name), &told);
    QCOMPARE(second.Start(), Startup::Outcome::kOtherFolder);
    QVERIFY(second.document() == nullptr);
    QCOMPARE(told.shown.size(), size_t{1});
    const std::string& message = told.shown[0];
    QVERIFY2(message.find("outra pasta") != std::string::npos, message.c_str());
    const std::string first_name = QDir(first_dir.path()).canonicalPath().toStdString();
    QVERIFY2(message.find(first_name) != std::string::npos, message.c_str());
  }

  void AMissingDataFolderIsCreatedOnlyWhenTheUserAgrees() {
    QTemporaryDir dir;
    const std::string missing = dir.filePath(QStringLiteral("nova")).toStdString();
    {
      ScriptedPrompter declines;  // answers Cancel
      Startup startup({missing, Date{2025, 3, 10}, UniqueName(), {}, {}}, &declines);
      QCOMPARE(startup.Start(), Startup::Outcome::kCancelled);
      QCOMPARE(declines.shown.size(), size_t{1});
      QVERIFY(declines.shown[0].find("nova") != std::string::npos);
      QVERIFY(!QFileInfo::exists(QString::fromStdString(missing)));
    }
    ScriptedPrompter agrees;
    agrees.answers.push_back(ledra::Answer::kOk);
    Startup startup({missing, Date{2025, 3, 10}, UniqueName(), {}, {}}, &agrees);
    QCOMPARE(startup.Start(), Startup::Outcome::kRunning);
    QVERIFY(QFileInfo(QString::fromStdString(missing)).isDir());
  }

  void AFirstStartOpensTheDemonstrationAndRemembersOnlyTheWindow() {
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    const ledra::platform::Path config =
        home.filePath(QStringLiteral("cfg/ledra.conf")).toStdString();
    ScriptedPrompter prompter;
    StartupOptions options;
    options.today = Date{2026, 12, 8};
    options.instance_name = UniqueName();
    options.user_config = config;
    int asked = 0;
    options.welcome = [&asked](const ledra::store::FirstStart& start) {
      ++asked;
      return std::optional(start.Demo());
    };
    {
      Startup startup(options, &prompter);
      QCOMPARE(startup.Start(), Startup::Outcome::kRunning);
      QCOMPARE(asked, 1);
      QCOMPARE(QString::fromStdString(startup.data_folder().string()),
               home.filePath(QStringLiteral("ledra/demo")));
      QVERIFY(startup.document()->db().people() > 100);
      startup.window()->move(40, 30);
      QVERIFY(startup.window()->close());
    }
    const ledra::platform::UserConfig kept = ledra::platform::LoadUserConfig(config);
    QVERIFY2(!kept.data_folder, "the welcome comes back until a real congregation opens");
    QVERIFY(kept.window_rect.starts_with("40,30,"));

    // Leaving the welcome ends the program quietly; a new congregation is kept.
    options.welcome = [](const ledra::store::FirstStart&) {
      return std::optional<ledra::store::FirstStartPlan>();
    };
    QCOMPARE(Startup(options, &prompter).Start(), Startup::Outcome::kCancelled);
    options.welcome = [](const ledra::store::FirstStart& start) {
      return std::optional(start.New());
    };
    Startup fresh(options, &prompter);
    QCOMPARE(fresh.Start(), Startup::Outcome::kRunning);
    QCOMPARE(ledra::platform::LoadUserConfig(config).data_folder, fresh.data_folder());
    QCOMPARE(QString::fromStdString(fresh.data_folder().string()),
             home.filePath(QStringLiteral("ledra")));
    qunsetenv("XDG_DATA_HOME");
  }

  void AFolderInUseOpensNothing() {
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    Startup first(Options(dir, UniqueName()), &prompter);
    QCOMPARE(first.Start(), Startup::Outcome::kRunning);

    ScriptedPrompter told;
    Startup second(Options(dir, UniqueName()), &told);
    QCOMPARE(second.Start(), Startup::Outcome::kFailed);
    QVERIFY(second.document() == nullptr);
    QCOMPARE(told.shown.size(), size_t{1});
    QVERIFY(told.shown[0].find("processo") != std::string::npos);
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
