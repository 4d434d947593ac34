// ledra: the windowed program.

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "main_window.h"
#include "platform/clock.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

int main(int argc, char** argv) {
  using namespace ledra;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ledra"));
  QApplication::setApplicationVersion(QStringLiteral(LEDRA_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(qt::FromAnsi(Strings().Part(str::kAppTitle, 0)));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption data_option(QStringLiteral("data"), qt::Text(str::kCliDataOption),
                                       QStringLiteral("DIR"));
  const QCommandLineOption today_option(QStringLiteral("today"), qt::Text(str::kCliTodayOption),
                                        QStringLiteral("YYYY-MM-DD"));
  parser.addOption(data_option);
  parser.addOption(today_option);
  parser.process(app);

  std::optional<Date> today = SystemClock().Today();
  if (parser.isSet(today_option)) {
    today = ParseIsoDate(parser.value(today_option).toStdString());
    if (!today) {
      const std::string message =
          Strings().Format(str::kCliBadDate, {qt::ToAnsi(parser.value(today_option))});
      std::fprintf(stderr, "%s\n", qt::FromAnsi(message).toLocal8Bit().constData());
      return 2;
    }
  }

  gui::MainWindow window;
  // The month open for entry is, until the month bookkeeping exists, the one before today's.
  const int report_month = (today->month + 10) % 12;
  window.SetStatusText(
      1, qt::FromAnsi(Strings().Format(str::kReportMonthStatus,
                                       {Strings().Get(str::kMonthJanuary + report_month)})));
  window.show();
  return QApplication::exec();
}
