#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>
#include <QTreeWidget>
#include <QtTest>
#include <fstream>
#include <memory>

#include "backup/backup_set.h"
#include "backup/restore_set.h"
#include "backup/ui/backup_dialog.h"
#include "backup/ui/folder_chooser_dialog.h"
#include "platform/files.h"
#include "platform/folder_shortcuts.h"
#include "store/document.h"

using ledra::Date;
using ledra::FixedClock;
using ledra::ScriptedPrompter;
using ledra::backup::DialogMode;
using ledra::backup::ui::BackupDialog;
using ledra::backup::ui::FolderChooserDialog;
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
    QTreeWidget* sets = dialog.catalogue();
    QCOMPARE(sets->topLevelItemCount(), 1);
    const QString folder = QString::fromStdString(set->string());
    QCOMPARE(sets->topLevelItem(0)->text(0),
             QString::fromUtf8("Terça-feira, 8 de Dezembro de 2026 10:15"));
    QCOMPARE(sets->topLevelItem(0)->text(1), folder);
    QCOMPARE(sets->topLevelItem(0)->toolTip(1), folder);
    QVERIFY(!dialog.undo_button()->isVisible());
    QVERIFY(!dialog.ok_button()->isEnabled());
    sets->setCurrentItem(sets->topLevelItem(0));
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

  void RestoreListShowsDateAndFolderWithoutScrollingSideways() {
    // A set deep enough that its path is far wider than the dialog.
    platform::Path deep = stick_;
    for (int i = 0; i < 6; ++i) deep /= "uma-pasta-com-um-nome-bem-comprido-" + std::to_string(i);
    QVERIFY(platform::CreateFolders(deep).ok());
    QVERIFY(ledra::backup::RunBackup(*doc_, deep, {{2026, 12, 8}, 9, 5}, {}).ok());

    BackupDialog dialog(DialogMode::kRestore, *doc_, clock_, prompter_);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.width() >= 700 && dialog.width() <= 1000 && dialog.height() <= 700);
    QTreeWidget* sets = dialog.catalogue();
    QCOMPARE(sets->headerItem()->text(0), QStringLiteral("Data"));
    QCOMPARE(sets->headerItem()->text(1), QStringLiteral("Conjunto"));
    QVERIFY(!sets->header()->isHidden());
    QCOMPARE(sets->topLevelItem(0)->text(0),
             QString::fromUtf8("Terça-feira, 8 de Dezembro de 2026 9:05"));
    QCOMPARE(sets->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(sets->textElideMode(), Qt::ElideMiddle);
    QCOMPARE(sets->header()->sectionResizeMode(1), QHeaderView::Stretch);
    // Both columns fit the view: the date whole, the folder elided.
    QVERIFY(sets->header()->length() <= sets->viewport()->width());
    QVERIFY(sets->header()->sectionSize(0) >=
            sets->fontMetrics().horizontalAdvance(sets->topLevelItem(0)->text(0)));
  }

  void FolderChooserStartsAtTheNamedFolderAndOffersHome() {
    const QString stick = QString::fromStdString(stick_.string());
    const QString home = QString::fromStdString(platform::UserHomeFolder().string());
    FolderChooserDialog there(stick_, data_, {}, prompter_);
    there.show();
    QCOMPARE(there.edit()->text(), stick);
    QCOMPARE(there.folders()->filePath(there.tree()->currentIndex()), stick);
    QListWidgetItem* home_place = there.places()->item(0);
    QCOMPARE(home_place->text(), QStringLiteral("Pasta pessoal"));
    QCOMPARE(home_place->data(Qt::UserRole).toString(), home);
    QTest::mouseClick(there.places()->viewport(), Qt::LeftButton, {},
                      there.places()->visualItemRect(home_place).center());
    QCOMPARE(there.edit()->text(), home);
    QCOMPARE(there.folders()->filePath(there.tree()->currentIndex()), home);

    // A folder that is gone (a drive taken out) opens the chooser at home.
    FolderChooserDialog gone(stick_ / "gone", data_, {}, prompter_);
    QCOMPARE(gone.edit()->text(), home);
  }
};

QTEST_MAIN(BackupDialogTest)
#include "backup_dialog_test.moc"
