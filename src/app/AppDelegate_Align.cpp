// Align to Background and Clear Alignment: the search runs on a worker over the photos
// as they are when it starts; what it found goes into the project as one undo step.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "render/AlignedLayer.h"

#include <QApplication>
#include <QCursor>

bool AppDelegate::canAlignSelected() const
{
    return !isAligning() && !m_project.hasLoadingPhotos() &&
           canAlign(m_project.photos(), qsizetype(m_project.selectedIndex()), m_project.mode());
}

bool AppDelegate::canAlignAny() const
{
    for (qsizetype i = 1; i < m_project.photos().size(); ++i)
        if (canAlign(m_project.photos(), i, m_project.mode()))
            return !isAligning() && !m_project.hasLoadingPhotos();
    return false;
}

bool AppDelegate::selectedHasAlignment() const
{
    const PhotoPtr photo = m_project.tunablePhoto();
    return photo && photo->alignment.has_value();
}

void AppDelegate::OnMenuPhotoAlign()
{
    if (canAlignSelected())
        alignRows({qsizetype(m_project.selectedIndex())});
}

void AppDelegate::OnMenuPhotoAlignAll()
{
    QList<qsizetype> rows;
    for (qsizetype i = 1; i < m_project.photos().size(); ++i)
        if (canAlign(m_project.photos(), i, m_project.mode()))
            rows.append(i);
    if (!rows.isEmpty() && canAlignAny())
        alignRows(rows);
}

void AppDelegate::OnMenuPhotoClearAlignment()
{
    m_project.clearAlignment(m_project.selectedIndex());
}

// The photos found aligned go in as one step, photos still in the list only; for the
// others one alert says why.
void AppDelegate::alignRows(const QList<qsizetype> &rows)
{
    const PhotoList photos = m_project.photos();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_aligning.start<AlignmentRun>([photos, rows] { return alignToBackground(photos, rows); },
                                   [this](AlignmentRun run) {
                                       QApplication::restoreOverrideCursor();
                                       m_project.setAlignments(run.found);
                                       if (!run.failures.isEmpty())
                                           desktop().runAlert(window(),
                                                              {tr("No reliable alignment was found"),
                                                               run.failures.join(QLatin1Char('\n')),
                                                               {tr("Close")}});
                                   });
}
