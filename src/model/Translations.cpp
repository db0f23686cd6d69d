#include "model/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installTranslations(QCoreApplication &app)
{
    auto *qtTexts = new QTranslator(&app);
    if (qtTexts->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    auto *ownTexts = new QTranslator(&app);
    if (ownTexts->load(QLocale(), QStringLiteral("quillane"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(ownTexts);
}
