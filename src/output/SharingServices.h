#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <QVariantList>

class Desktop;

// The sharing services this desktop offers, by name: "Copy" (the picture and the text to
// the clipboard), "Email" (where xdg-email is installed: the picture attached, the text
// as the body) and "Open in Image Viewer".
QStringList sharingServiceNames(Desktop &desktop);

// Hands the items (an optional QString, then the QImage) to the named service. Returns
// an empty string, or one sentence saying what went wrong.
QString performSharingService(Desktop &desktop, const QString &name, const QVariantList &items);

// Removes the temporary copies of pictures the services were handed (when the share
// sheet closes and when the program ends).
void removeSharedCopies();
