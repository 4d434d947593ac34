#pragma once
// "Relance": the month's figures at a glance, with the service year's and the
// last six months' changes.

#include <QDialog>

#include "activity/glance.h"

class QLabel;

namespace ledra::activity::ui {

class GlanceDialog : public QDialog {
  Q_OBJECT

 public:
  // `special_category`: the category's name (ANSI) when its option is on, else empty.
  explicit GlanceDialog(const store::CongregationDatabase& db,
                        const std::string& special_category = {}, QWidget* parent = nullptr);
  // The value shown beside a label (for tests).
  QString ValueOf(const QString& label) const;
};

}  // namespace ledra::activity::ui
