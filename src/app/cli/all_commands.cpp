#include "cli/attendance_command.h"
#include "cli/backup_commands.h"
#include "cli/card_commands.h"
#include "cli/cli_command.h"
#include "cli/collect_command.h"
#include "cli/csv_commands.h"
#include "cli/demo_command.h"
#include "cli/groups_command.h"
#include "cli/history_command.h"
#include "cli/import_commands.h"
#include "cli/list_command.h"
#include "cli/list_transfer_commands.h"
#include "cli/mail_command.h"
#include "cli/month_commands.h"
#include "cli/overseer_command.h"
#include "cli/pioneer_command.h"
#include "cli/report_command.h"
#include "cli/sheet_commands.h"
#include "cli/store_commands.h"
#include "cli/strings_command.h"
#include "cli/student_command.h"
#include "cli/totals_commands.h"
#include "cli/xml_commands.h"

namespace ledra::cli {

std::vector<std::unique_ptr<CliCommand>> AllCommands() {
  std::vector<std::unique_ptr<CliCommand>> commands;
  commands.push_back(MakeInfoCommand());
  commands.push_back(MakeDumpCommand());
  commands.push_back(MakeResaveCommand());
  commands.push_back(MakeDemoCommand());
  commands.push_back(MakeStringsCommand());
  commands.push_back(MakeBackupCommand());
  commands.push_back(MakeBackupsCommand());
  commands.push_back(MakeRestoreCommand());
  commands.push_back(MakeReportCommand());
  commands.push_back(MakeMonthCommand());
  commands.push_back(MakeLateReportsCommand());
  commands.push_back(MakeSheetCommand());
  commands.push_back(MakeSheetsCommand());
  commands.push_back(MakeTotalsCommand());
  commands.push_back(MakeSummaryCommand());
  commands.push_back(MakePioneerCommand());
  commands.push_back(MakeYtdCommand());
  commands.push_back(MakeListCommand());
  commands.push_back(MakeHistoryCommand());
  commands.push_back(MakeAttendanceCommand());
  commands.push_back(MakeCardCommand());
  commands.push_back(MakeCardsCommand());
  commands.push_back(MakeLabelsCommand());
  commands.push_back(MakePioneersCommand());
  commands.push_back(MakeMoveCommand());
  commands.push_back(MakeDeleteCommand());
  commands.push_back(MakeXmlCommand());
  commands.push_back(MakeGroupsCommand());
  commands.push_back(MakeGroupCommand());
  commands.push_back(MakeStudentCommand());
  commands.push_back(MakeOverseerCommand());
  commands.push_back(MakeCollectCommand());
  commands.push_back(MakeImportCommand());
  commands.push_back(MakeCsvCommand());
  commands.push_back(MakeMailCommand());
  return commands;
}

}  // namespace ledra::cli
