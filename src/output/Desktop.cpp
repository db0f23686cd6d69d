#include "output/Desktop.h"

#include "output/PictureSave.h"
#include <QCursor>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>

int QtDesktop::runAlert(QWidget *parent, const AlertRequest &alert)
{
    QMessageBox box(parent);
    box.setWindowTitle(alert.message);
    box.setText(alert.message);
    box.setInformativeText(alert.informativeText);
    box.setIcon(alert.warning ? QMessageBox::Warning : QMessageBox::Information);
    QList<QAbstractButton *> buttons;
    for (const QString &title : alert.buttons)
        buttons << box.addButton(title,
                                 buttons.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
    if (!buttons.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton *>(buttons.first()));
        box.setEscapeButton(buttons.last());
    }
    box.exec();
    const int index = int(buttons.indexOf(box.clickedButton()));
    return index < 0 ? 0 : index;
}

QString photoNameFilter(const QStringList &extensions)
{
    return nameFilter(QStringLiteral("Photos"), extensions);
}

QString nameFilter(const QString &name, const QStringList &extensions)
{
    QStringList patterns;
    for (const QString &ext : extensions) {
        QString pattern = QStringLiteral("*.");
        for (const QChar c : ext)
            pattern += QStringLiteral("[%1%2]").arg(c.toLower(), c.toUpper());
        patterns << pattern;
    }
    return QStringLiteral("%1 (%2)").arg(name, patterns.join(' '));
}

QString filterSuffix(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

QStringList QtDesktop::runOpenPanel(QWidget *parent, const OpenPanelRequest &request)
{
    QFileDialog dialog(parent, request.title, request.directory);
    dialog.setFileMode(request.multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(nameFilter(request.filterName, request.extensions));
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString QtDesktop::runSavePanel(QWidget *parent, const QString &title, const QString &directory,
                                const QString &proposedName, const QStringList &nameFilters)
{
    QFileDialog dialog(parent, title, directory);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(proposedName);
    // The formats the picture can be saved in (the name's extension decides), or the
    // file type asked for; a name typed without an extension gets the filter's.
    const bool pictures = nameFilters.isEmpty();
    const auto suffixOf = [pictures](const QString &filter) {
        return pictures ? savePanelSuffix(filter) : filterSuffix(filter);
    };
    dialog.setNameFilters(pictures ? savePanelFilters() : nameFilters);
    // A picture's proposed name chooses its format in the list.
    if (pictures)
        for (const QString &filter : savePanelFilters())
            if (pictureFormatNamed(savePanelSuffix(filter)) == pictureFormatOf(proposedName))
                dialog.selectNameFilter(filter);
    dialog.setDefaultSuffix(suffixOf(dialog.selectedNameFilter()));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog, suffixOf](const QString &filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtDesktop::runFolderPanel(QWidget *parent, const QString &title, const QString &directory)
{
    return QFileDialog::getExistingDirectory(parent, title, directory);
}

bool QtDesktop::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

QPoint QtDesktop::pointerPosition()
{
    return QCursor::pos();
}

int QtDesktop::runMenu(QWidget *anchor, const QStringList &items)
{
    QMenu menu(anchor);
    for (const QString &item : items)
        menu.addAction(item);
    const QSize size = menu.sizeHint();
    const QPoint above = anchor->mapToGlobal(QPoint(0, -size.height()));
    const QScreen *screen = anchor->screen();
    const bool roomAbove = !screen || above.y() >= screen->availableGeometry().top();
    const QPoint at = roomAbove ? above : anchor->mapToGlobal(QPoint(0, anchor->height()));
    const QAction *chosen = menu.exec(at);
    return chosen ? int(menu.actions().indexOf(chosen)) : -1;
}

int QtDesktop::runContextMenu(QWidget *parent, QPoint globalPosition, const QStringList &items)
{
    QMenu menu(parent);
    for (const QString &item : items)
        menu.addAction(item);
    const QAction *chosen = menu.exec(globalPosition);
    return chosen ? int(menu.actions().indexOf(chosen)) : -1;
}

bool QtDesktop::hasProgram(const QString &program)
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

bool QtDesktop::startProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}
