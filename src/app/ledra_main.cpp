// ledra: the windowed program.

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "platform/clock.h"
#include "platform/qt/qt_text.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "startup.h"

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

  gui::StartupOptions options;
  if (parser.isSet(data_option)) options.data_folder = parser.value(data_option).toStdString();
  if (parser.isSet(today_option)) {
    options.today = ParseIsoDate(parser.value(today_option).toStdString());
    if (!options.today || !TodayCountable(*options.today)) {
      const int id = options.today ? str::kCliTodayOutOfRange : str::kCliBadDate;
      const std::string message = Strings().Format(id, {qt::ToAnsi(parser.value(today_option))});
      std::fprintf(stderr, "%s\n", qt::FromAnsi(message).toLocal8Bit().constData());
      return 2;
    }
  }
  return gui::RunStartup(app, options);
}
