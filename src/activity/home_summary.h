#pragma once
// What the home view shows at a glance: the congregation, the ReportMonth
// with its state, and how many of the month's reports are in.

#include <string>
#include <string_view>

#include "store/congregation_database.h"

namespace ledra::activity {

enum class HomeMonthState { kNotStarted, kOpen, kClosed, kPastMonth };

struct HomeSummary {
  HomeMonthState state = HomeMonthState::kNotStarted;
  std::string title;         // the congregation's name, else the program's
  std::string month_line;    // "Mês de Entradas: Novembro de 2026"
  std::string state_line;    // "Aberto", "Fechado", "Não iniciado" or the past month's note
  std::string reports_line;  // "23 de 30 relatórios entregues"
  int reported = 0;          // active publishers with a report or a remark
  int expected = 0;          // active publishers
};

// Texts are ANSI.
HomeSummary HomeSummaryOf(const store::CongregationDatabase& db, std::string_view cong_name);

}  // namespace ledra::activity
