#pragma once

#include <QCoreApplication>
#include <QString>

// The core library's words for people: one translation context, so a
// catalogue names each sentence once whichever file says it.
class CoreText
{
    Q_DECLARE_TR_FUNCTIONS(CoreText)
};

// A path as the user sees it in a message: “/media/stick/show.mrv”, with the
// quotation marks of the user's language.
QString quoted(const QString &path);

// Loads the program's catalogue and Qt's own for the system's language into
// app, which keeps them. Says nothing when there is none: English is built in.
// folder, when given, is looked in first (a program run from elsewhere in
// the build folder).
void loadTranslations(QCoreApplication *app, const QString &folder = {});
