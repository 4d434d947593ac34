// The program as a new user first sees it, rendered offscreen at 1000 x 700:
// each window is kept as a PNG under the build folder and fails the test
// when a label or a button is narrower than its own text.

#include <QAbstractButton>
#include <QCheckBox>
#include <QCommandLinkButton>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include "action_panel.h"
#include "activity/ui/report_sheet_dialog.h"
#include "activity/ui/sheet_list_dialog.h"
#include "backup/ui/backup_dialog.h"
#include "backup/ui/folder_chooser_dialog.h"
#include "interchange/ui/mail_settings_dialog.h"
#include "main_window.h"
#include "platform/qt/qt_translations.h"
#include "platform/string_ids.h"
#include "records/household.h"
#include "records/publisher_chooser.h"
#include "records/publisher_editor.h"
#include "records/ui/person_side_dialogs.h"
#include "records/ui/publisher_editor_dialog.h"
#include "records/ui/student_dialogs.h"
#include "report_view.h"
#include "startup.h"
#include "store/demo_congregation.h"
#include "welcome_dialog.h"

namespace ledra::gui {
namespace {

const Date kToday{2026, 12, 8};

// No keyring: the mail settings ask for the password each time.
class NullKeyring final : public platform::PasswordKeyring {
 public:
  bool Available() override { return false; }
  std::optional<std::string> Lookup(std::string_view, std::string_view) override {
    return std::nullopt;
  }
  Status Store(std::string_view, std::string_view, std::string_view) override { return {}; }
};

// A caption as drawn: "&&" is one ampersand, a single "&" marks the accelerator.
QString Drawn(QString text) {
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  return text;
}

int Widest(const QFontMetrics& fm, const QString& text) {
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n')))
    widest = std::max(widest, fm.horizontalAdvance(line));
  return widest;
}

// Every visible label and button whose text does not fit inside it.
QStringList CutTexts(QWidget* root) {
  QStringList cut;
  const auto report = [&cut](QWidget* w, const QString& text, int needed, int has) {
    cut << QStringLiteral("%1 \"%2\": needs %3 px, has %4")
               .arg(QString::fromLatin1(w->metaObject()->className()), text)
               .arg(needed)
               .arg(has);
  };
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(root)) continue;
    if (auto* label = qobject_cast<QLabel*>(w)) {
      QString text = label->text();
      if (text.isEmpty()) continue;
      if (label->textFormat() == Qt::RichText ||
          (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument doc;
        doc.setHtml(text);
        text = doc.toPlainText();
      } else if (label->buddy() != nullptr) {
        text = Drawn(text);
      }
      const QRect inside = label->contentsRect();
      const int room = inside.width() - 2 * label->margin() - std::max(label->indent(), 0);
      if (label->wordWrap()) {
        if (label->heightForWidth(label->width()) > label->height())
          report(label, text, label->heightForWidth(label->width()), label->height());
      } else if (const int needed = Widest(label->fontMetrics(), text); needed > room) {
        report(label, text, needed, room);
      }
    } else if (auto* link = qobject_cast<QCommandLinkButton*>(w)) {
      QFont bold = link->font();
      bold.setBold(true);
      const int needed = QFontMetrics(bold).horizontalAdvance(Drawn(link->text())) + 40;
      if (needed > link->width()) report(link, link->text(), needed, link->width());
    } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
      auto* box = static_cast<QAbstractButton*>(w);
      if (box->sizeHint().width() > box->width())
        report(box, box->text(), box->sizeHint().width(), box->width());
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
      if (button->text().isEmpty()) continue;
      const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
      // The text and the narrowest frame a style draws around it.
      const int needed = Widest(button->fontMetrics(), Drawn(button->text())) + icon + 2 * 4;
      if (needed > button->width()) report(button, button->text(), needed, button->width());
    }
  }
  return cut;
}

void Keep(QWidget* w, const QString& name) {
  QDir().mkpath(QStringLiteral(LEDRA_LOOKS_FOLDER));
  const QString file = QStringLiteral(LEDRA_LOOKS_FOLDER "/%1.png").arg(name);
  QVERIFY2(w->grab().save(file), qPrintable(file));
}

// Shows a dialog, keeps its image and lists what is wrong with it: larger
// than the smallest screen, or a text cut off. Hidden again afterwards.
QStringList Look(QDialog* dialog, const QString& name) {
  dialog->show();
  QStringList wrong;
  if (!QTest::qWaitForWindowExposed(dialog)) wrong << name + QStringLiteral(" not shown");
  Keep(dialog, name);
  if (dialog->width() > 1000 || dialog->height() > 700)
    wrong << QStringLiteral("%1: %2 x %3").arg(name).arg(dialog->width()).arg(dialog->height());
  wrong << CutTexts(dialog);
  dialog->hide();
  return wrong;
}

}  // namespace

class LooksTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  ScriptedPrompter prompter_;
  std::unique_ptr<Startup> startup_;

  platform::Path Folder() const { return platform::Path(dir_.path().toStdString()) / "demo"; }

 private slots:
  void initTestCase() {
    // As the program runs: Qt's own buttons and dialogs in Portuguese.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    QVERIFY(qt::InstallQtTranslations(*QCoreApplication::instance()));
    store::DemoOptions demo;
    demo.people = 60;
    demo.today = kToday;
    QVERIFY(store::WriteDemoCongregation(Folder(), demo, prompter_).ok());
    StartupOptions options;
    options.data_folder = Folder();
    options.today = kToday;
    options.instance_name =
        QStringLiteral("ledra-looks-test-%1").arg(QCoreApplication::applicationPid());
    options.user_config = platform::Path(dir_.path().toStdString()) / "ledra.conf";
    startup_ = std::make_unique<Startup>(options, &prompter_);
    QCOMPARE(startup_->Start(), Startup::Outcome::kRunning);
    QVERIFY(QTest::qWaitForWindowExposed(startup_->window()));
  }

  void homeViewShowsTheMonthAndFitsItsTexts() {
    MainWindow* window = startup_->window();
    QCOMPARE(window->size(), QSize(1000, 700));
    auto* panel = window->findChild<ActionPanel*>();
    QVERIFY(panel != nullptr && panel->isVisible());
    QVERIFY(panel->month_label()->text().startsWith(QString::fromUtf8("Mês de Entradas: ")));
    QVERIFY(panel->reports_label()->text().contains(QString::fromUtf8("relatórios entregues")));
    QVERIFY(panel->button(20805)->text().contains(QLatin1Char('&')));
    QVERIFY2(panel->button(20808)->text().contains(QLatin1Char('&')),
             "every command gets an accelerator");
    Keep(window, QStringLiteral("home_view"));
    const QStringList cut = CutTexts(window);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
  }

  void aReportFillsTheWindowWithoutMovingIt() {
    MainWindow* window = startup_->window();
    const QRect before = window->geometry();
    auto* panel = window->findChild<ActionPanel*>();
    QTest::mouseClick(panel->button(20819), Qt::LeftButton);  // the phone list
    auto* view = window->findChild<ReportView*>();
    QTRY_VERIFY(view->isVisible());
    QCOMPARE(window->geometry(), before);
    Keep(window, QStringLiteral("main_window_report"));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(view, &escape);
    QTRY_VERIFY(panel->isVisible());
    QCOMPARE(window->geometry(), before);
    Keep(window, QStringLiteral("main_window"));
  }

  void publisherEditorFitsItsTexts() {
    store::Document& doc = *startup_->document();
    records::PublisherChooser chooser(doc.db(), records::ChooserMode::kEdit);
    records::PublisherEditor editor(doc, startup_->settings(), prompter_,
                                    records::EditorMode::kEdit, 1);
    records::ui::PublisherEditorDialog dialog(editor, &chooser, prompter_, startup_->window());
    const QStringList wrong = Look(&dialog, QStringLiteral("publisher_editor"));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
  }

  void studentEditorAndHouseholdFitTheirTexts() {
    store::Document& doc = *startup_->document();
    records::PublisherEditor student(doc, startup_->settings(), prompter_,
                                     records::EditorMode::kAdd, 0, records::EditorKind::kStudent);
    records::ui::StudentEditorDialog editor(student, doc, startup_->settings(), prompter_,
                                            startup_->window());
    records::HouseholdEditor family(doc.db(), doc.db().row(1).id(), /*can_edit=*/true);
    records::ui::HouseholdDialog household(family, startup_->window());
    const std::pair<QDialog*, const char*> dialogs[] = {{&editor, "student_editor"},
                                                        {&household, "household"}};
    for (const auto& [dialog, name] : dialogs) {
      const QStringList wrong = Look(dialog, QString::fromLatin1(name));
      QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }
  }

  void backupDialogsFitTheirTexts() {
    FixedClock clock(kToday);
    for (const auto mode : {backup::DialogMode::kBackup, backup::DialogMode::kRestore}) {
      backup::ui::BackupDialog dialog(mode, *startup_->document(), clock, prompter_,
                                      startup_->window());
      const QStringList wrong =
          Look(&dialog, mode == backup::DialogMode::kBackup ? QStringLiteral("backup_dialog")
                                                            : QStringLiteral("restore_dialog"));
      QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }
  }

  void monthDialogsFitTheirTexts() {
    store::Document& doc = *startup_->document();
    const auto none = [](QWidget*) {};
    activity::ui::SheetListDialog sheets(doc, prompter_, startup_->window(),
                                         {none, none, none, none});
    activity::ui::ReportSheetDialog sheet(doc, 1, prompter_, startup_->window());
    NullKeyring keyring;
    interchange::ui::MailSettingsDialog mail(doc.data_folder(), "", keyring, prompter_,
                                             startup_->window());
    backup::ui::FolderChooserDialog folders(doc.data_folder(), doc.data_folder(), "", prompter_,
                                            startup_->window());
    const std::pair<QDialog*, const char*> dialogs[] = {{&sheets, "sheet_list"},
                                                        {&sheet, "report_sheet"},
                                                        {&mail, "mail_settings"},
                                                        {&folders, "folder_chooser"}};
    for (const auto& [dialog, name] : dialogs) {
      const QStringList wrong = Look(dialog, QString::fromLatin1(name));
      QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }
  }

  void welcomeFitsItsTexts() {
    const store::FirstStart start(
        {std::nullopt, dir_.path().toStdString(), dir_.path().toStdString(), "/home/u", {}});
    WelcomeDialog dialog(start, prompter_);
    const QStringList wrong = Look(&dialog, QStringLiteral("welcome"));
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
  }

  void cleanupTestCase() { startup_.reset(); }
};

}  // namespace ledra::gui

QTEST_MAIN(ledra::gui::LooksTest)
#include "looks_test.moc"
