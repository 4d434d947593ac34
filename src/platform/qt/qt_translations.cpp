#include "platform/qt/qt_translations.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace ledra::qt {

bool InstallQtTranslations(QCoreApplication& app, const QString& folder) {
  const QString where =
      folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
  // Debian ships only the Brazilian qtbase catalogue; a European one wins when present.
  for (const QLocale::Territory territory : {QLocale::Portugal, QLocale::Brazil}) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(QLocale::Portuguese, territory), QStringLiteral("qtbase"),
                          QStringLiteral("_"), where))
      continue;
    // The application owns the translator from here on.
    translator->setParent(&app);
    app.installTranslator(translator.release());
    return true;
  }
  return false;
}

}  // namespace ledra::qt
