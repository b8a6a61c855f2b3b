#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

bool installQtTranslations(QCoreApplication& application)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace app
