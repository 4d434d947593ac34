// ledra: the windowed program.

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QStringList>
#include <cstdio>

#include "platform/clock.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_translations.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "startup.h"

namespace {

void PrintTo(std::FILE* stream, const QString& text) {
  std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char** argv) {
  using namespace ledra;
  // The command line is read before the application object exists: --help,
  // --version and a wrong option must answer on a machine without a display.
  QCoreApplication::setApplicationName(QStringLiteral("ledra"));
  QCoreApplication::setApplicationVersion(QStringLiteral(LEDRA_VERSION));
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

  QCommandLineParser parser;
  parser.setApplicationDescription(qt::FromAnsi(Strings().Part(str::kAppTitle, 0)));
  const QCommandLineOption help_option = parser.addHelpOption();
  const QCommandLineOption version_option = parser.addVersionOption();
  const QCommandLineOption data_option(QStringLiteral("data"), qt::Text(str::kCliDataOption),
                                       QStringLiteral("DIR"));
  const QCommandLineOption today_option(QStringLiteral("today"), qt::Text(str::kCliTodayOption),
                                        QStringLiteral("YYYY-MM-DD"));
  parser.addOption(data_option);
  parser.addOption(today_option);
  if (!parser.parse(arguments)) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
      const QString name =
          (unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) +
          unknown.first();
      PrintTo(stderr, qt::FromAnsi(Strings().Format(str::kUnknownOption, {qt::ToAnsi(name)})));
    } else {
      PrintTo(stderr, parser.errorText());
    }
    return 2;
  }
  if (parser.isSet(help_option)) {
    // Without an application object Qt cannot name the program itself.
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), QStringLiteral("ledra"));
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return 0;
  }
  if (parser.isSet(version_option)) {
    PrintTo(stdout, QStringLiteral("ledra ") + QStringLiteral(LEDRA_VERSION));
    return 0;
  }

  gui::StartupOptions options;
  if (parser.isSet(data_option)) options.data_folder = parser.value(data_option).toStdString();
  if (parser.isSet(today_option)) {
    options.today = ParseIsoDate(parser.value(today_option).toStdString());
    if (!options.today || !TodayCountable(*options.today)) {
      const int id = options.today ? str::kCliTodayOutOfRange : str::kCliBadDate;
      PrintTo(stderr, qt::FromAnsi(Strings().Format(id, {qt::ToAnsi(parser.value(today_option))})));
      return 2;
    }
  }
  // Names the installed menu entry, so desktops show its name and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.ledra.Ledra"));
  QApplication app(argc, argv);
  // Qt's own dialogs speak Portuguese and write dates and times as Portugal
  // does (24-hour clock), whatever the desktop's language.
  QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
  qt::InstallQtTranslations(app);
  return gui::RunStartup(app, options);
}
