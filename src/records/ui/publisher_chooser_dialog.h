#pragma once
// "Escolha o Publicador" bound to PublisherChooser, and the publisher
// editing command that starts from it.

#include <QDialog>

#include "platform/prompter.h"
#include "records/publisher_chooser.h"
#include "store/document.h"
#include "store/settings.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace ledra::records::ui {

class PublisherChooserDialog : public QDialog {
  Q_OBJECT

 public:
  PublisherChooserDialog(store::Document& doc, const store::Settings& settings, Prompter& prompter,
                         ChooserMode mode, QWidget* parent = nullptr);

  PublisherChooser& chooser() { return chooser_; }
  // Narrows the list as the user types part of a name.
  QLineEdit* filter = nullptr;
  QListWidget* list = nullptr;
  QPushButton* accept_button = nullptr;
  QPushButton* add_button = nullptr;
  QPushButton* close_button = nullptr;
  bool changed() const { return changed_; }

  // The add flow: "Adicione Publicador" when either list has people, then the
  // transfer or the editor in add mode.
  void Add();
  void EditSelected();

 private:
  void Fill();
  void ApplyFilter();
  void Edit(int row, bool adding);

  store::Document& doc_;
  const store::Settings& settings_;
  Prompter& prompter_;
  PublisherChooser chooser_;
  bool changed_ = false;
};

// The "Editar Publicadores" command: the chooser, then the indexes rebuilt.
// Returns whether anything changed.
bool RunPublisherEditing(store::Document& doc, const store::Settings& settings, Prompter& prompter,
                         QWidget* parent);

}  // namespace ledra::records::ui
