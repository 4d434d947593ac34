#pragma once
// Qt's own texts (standard buttons, print preview, file dialogs) in Portuguese.

#include <QCoreApplication>
#include <QString>

namespace ledra::qt {

// Installs Qt's Portuguese catalogue on `app`: European Portuguese when the
// system has it, else Brazilian. `folder` defaults to Qt's translations folder.
// Returns false, changing nothing, when neither catalogue is there.
bool InstallQtTranslations(QCoreApplication& app, const QString& folder = {});

}  // namespace ledra::qt
