#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <memory>

#include "backup/backup_set.h"
#include "backup/restore_set.h"
#include "backup/ui/backup_dialog.h"
#include "platform/files.h"
#include "store/document.h"

using ledra::Date;
using ledra::FixedClock;
using ledra::ScriptedPrompter;
using ledra::backup::DialogMode;
using ledra::backup::ui::BackupDialog;
namespace platform = ledra::platform;

namespace {

// A plain main file ('A' marker, no password): a header and the people named.
std::string Record(std::uint16_t id, std::string_view first) {
  std::string r(816, '\0');
  r.replace(2, first.size(), first);
  r[182] = static_cast<char>(id & 0xFF);
  r[183] = static_cast<char>(id >> 8);
  r[197] = '\x80';
  return r;
}

std::string MainFile(std::string_view third = {}) {
  std::string header = Record(0, " ");
  header[23] = 'A';
  std::string f = header + Record(101, "Ana") + Record(102, "Rui");
  if (!third.empty()) f += Record(103, third);
  return f;
}

void Write(const platform::Path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

class BackupDialogTest : public QObject {
  Q_OBJECT

  QTemporaryDir root_;
  platform::Path data_;
  platform::Path stick_;
  FixedClock clock_{Date{2026, 12, 8}};
  ScriptedPrompter prompter_;
  std::unique_ptr<ledra::store::Document> doc_;

 private slots:
  void init() {
    data_ = platform::Path(root_.path().toStdString()) / "data";
    stick_ = platform::Path(root_.path().toStdString()) / "stick";
    std::filesystem::remove_all(data_);
    std::filesystem::remove_all(stick_);
    QVERIFY(platform::CreateFolders(data_).ok() && platform::CreateFolders(stick_).ok());
    Write(data_ / "tdat9.bin", MainFile());
    doc_ = std::make_unique<ledra::store::Document>(data_, clock_, prompter_);
    QVERIFY(doc_->Open({}) == ledra::store::OpenOutcome::kOpened);
    prompter_.shown.clear();
  }

  void BackupModeShowsSpaceTargetAndCloses() {
    BackupDialog dialog(DialogMode::kBackup, *doc_, clock_, prompter_);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Backup"));
    QCOMPARE(dialog.required_space()->text(),
             QStringLiteral("Required space: %1 bytes").arg(7 * MainFile().size()));
    // A set folder is refused as a target in favour of its parent.
    dialog.ApplyChosenFolder(stick_ / "Ld9_0800_2026Dec01");
    QCOMPARE(prompter_.shown.size(), std::size_t{1});
    QCOMPARE(dialog.folder_label()->text(), QString::fromStdString(stick_.string()));
    QCOMPARE(dialog.status()->text(), QStringLiteral("Click OK to create a backup set at: %1/")
                                          .arg(QString::fromStdString(stick_.string())));

    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(prompter_.shown.back(), std::string("Backup is complete!"));
    QCOMPARE(dialog.cancel_button()->text(), QStringLiteral("Close"));
    QCOMPARE(dialog.progress()->value(), dialog.progress()->maximum());
    const auto sets = platform::ListFolder(stick_, "Ld9*", /*folders_only=*/true);
    QVERIFY(sets.ok() && sets->size() == 1);
    QVERIFY(platform::FileExists(stick_ / sets->front() / "tdat9.bin"));
    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
  }

  void RestoreModeListsRestoresAndOffersTheUndo() {
    auto set = ledra::backup::RunBackup(*doc_, stick_, {{2026, 12, 8}, 10, 15}, {});
    QVERIFY(set.ok());
    Write(data_ / "tdat9.bin", MainFile("Eva"));
    doc_->Reload();
    QCOMPARE(doc_->db().people(), 3);

    BackupDialog dialog(DialogMode::kRestore, *doc_, clock_, prompter_);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Restaurar"));
    QCOMPARE(dialog.catalogue()->count(), 1);
    QVERIFY(dialog.catalogue()->item(0)->text().endsWith(QString::fromStdString(set->string())));
    QVERIFY(!dialog.undo_button()->isVisible());
    QVERIFY(!dialog.ok_button()->isEnabled());
    dialog.catalogue()->setCurrentRow(0);
    QCOMPARE(dialog.status()->text(), QStringLiteral("Click OK to restore from backup set: %1")
                                          .arg(QString::fromStdString(set->string())));
    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(doc_->db().people(), 2);

    BackupDialog again(DialogMode::kRestore, *doc_, clock_, prompter_);
    again.show();
    QVERIFY(again.undo_button()->isVisible());
    QTest::mouseClick(again.undo_button(), Qt::LeftButton);
    QVERIFY(again.status()->text().startsWith(
        QStringLiteral("Click OK to reverse ( undo ) last restore : ")));
    QTest::mouseClick(again.ok_button(), Qt::LeftButton);
    QCOMPARE(doc_->db().people(), 3);
  }
};

QTEST_MAIN(BackupDialogTest)
#include "backup_dialog_test.moc"
