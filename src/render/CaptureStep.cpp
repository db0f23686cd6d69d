#include "render/CaptureStep.h"

#include "render/RenderPass.h"

QString captureFileName(const QDateTime &now)
{
    // "yyyy" is the calendar year; a week-based year would turn 30 December 2024 into 2025.
    return now.toLocalTime().toString(QStringLiteral("yyyy-MM-dd-HH-mm-ss")) + QStringLiteral(".png");
}

QString joinPath(const QString &folder, const QString &fileName)
{
    if (folder.isEmpty())
        return fileName;
    QString joined = folder;
    while (joined.endsWith(QLatin1Char('/')) && joined.size() > 1)
        joined.chop(1);
    if (!joined.endsWith(QLatin1Char('/')))
        joined += QLatin1Char('/');
    return joined + fileName;
}

void captureStep(CaptureState &state, const PassResult &pass, const QDateTime &now)
{
    if (!state.b_Take_Picture || pass.empty)
        return;
    state.s_Saved_Take_Picture = joinPath(state.s_Output_Folder, captureFileName(now));
    state.imageSave = pass.mixed;
    state.error = pass.error;
    state.b_Take_Picture = false; // last: the waiting save or share reads the two values
}
