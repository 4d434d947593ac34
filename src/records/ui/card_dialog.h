#pragma once
// "Registo de Publicador de Congregação": the publishers of the active or
// inactive file, the chosen card drawn beside them, and the commands that
// print cards or write them as PDF files; and the card options.

#include <QDialog>
#include <QWidget>
#include <optional>

#include "platform/printer_port.h"
#include "platform/prompter.h"
#include "records/record_card_dialog.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace ledra::records::ui {

// The card drawn at screen scale; a double click asks for its history.
class CardPreview : public QWidget {
  Q_OBJECT

 public:
  explicit CardPreview(QWidget* parent = nullptr) : QWidget(parent) {}
  void SetCard(std::optional<RecordCard> card, std::string language);
  QSize sizeHint() const override;

 signals:
  void HistoryRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  std::optional<RecordCard> card_;
  std::string language_ = "ptg";
};

class RecordCardDialog : public QDialog {
  Q_OBJECT

 public:
  RecordCardDialog(store::Document& doc, store::Settings& settings, Prompter& prompter,
                   QWidget* parent = nullptr);

  RecordCardDialogModel& model() { return model_; }
  QListWidget* list() const { return list_; }
  QCheckBox* inactive() const { return inactive_; }
  QCheckBox* previous_year() const { return previous_; }
  CardPreview* preview() const { return preview_; }
  QPushButton* edit_button() const { return edit_; }

  // Writes the cards of a whole file into `file`, with a progress dialog
  // that can stop it; a stopped or failed file is removed.
  bool WriteFile(bool inactive, const QString& file);

 private:
  void Fill();
  void ShowCard();
  void PrintThis();
  void PrintChosen();
  void AskAndWriteFile(bool inactive);
  void SaveThisAsPdf();
  void Edit();
  void EditOptions();
  void OpenHistory(bool totals);
  bool Print(PrinterPort& port, const std::string& name, const std::vector<int>& rows,
             bool progress);

  store::Document& doc_;
  store::Settings& settings_;
  Prompter& prompter_;
  RecordCardDialogModel model_;
  QListWidget* list_ = nullptr;
  QCheckBox* inactive_ = nullptr;
  QCheckBox* previous_ = nullptr;
  CardPreview* preview_ = nullptr;
  QPushButton* edit_ = nullptr;
  bool filling_ = false;
};

// The card options; returns whether anything changed.
bool RunCardOptions(store::Settings& settings, QWidget* parent);

}  // namespace ledra::records::ui
