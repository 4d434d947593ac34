#pragma once
// Two small choices the printing commands ask: several publishers ticked in
// a list, and the first label to use on a sheet.

#include <QString>
#include <optional>
#include <vector>

#include "store/congregation_database.h"

class QWidget;

namespace ledra::records::ui {

// The rows ticked among `rows` (in their order); nothing when cancelled.
std::optional<std::vector<int>> PickPublishers(const store::CongregationDatabase& db,
                                               const std::vector<int>& rows, const QString& title,
                                               QWidget* parent);
// The active publishers' rows in list order.
std::vector<int> ActiveRows(const store::CongregationDatabase& db);

// "Escolha só a Primeira Etiqueta": twenty buttons in two columns of ten;
// nothing when cancelled.
std::optional<int> PickFirstLabel(QWidget* parent);

}  // namespace ledra::records::ui
