#pragma once

class QCoreApplication;

// Installs the texts in the user's language (LANGUAGE, LC_ALL, LANG): Qt's own and the
// program's, built into it under :/i18n. English, the source, stays where there is no
// translation. The translators live as long as `app`.
void installTranslations(QCoreApplication &app);
