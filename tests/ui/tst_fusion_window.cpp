// Exposure fusion and Align to Background in the window: the panel's three sliders edit
// the project's weights (one drag, one step), the Photo menu aligns the selected photo on
// a worker as one step and Clear Alignment takes it back, a photo with nothing in common
// is left as it was with one alert, and the window's fusion is the picture quillane-mix
// renders from the saved project.
#include "TestApp.h"

#include "app/MainWindow.h"
#include "model/ProjectMode.h"
#include "panels/View_Fusion.h"
#include "render/CaptureStep.h"
#include "render/RenderPass.h"

#include <QAction>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QSlider>
#include <QTest>

namespace {

// Random rectangles over grey, drawn moved by `shift` and with every channel scaled by
// `gain`: one scene at another exposure, shot from a little further along.
QString writeScene(const QString &path, quint32 seed, QPointF shift, double gain)
{
    QRandomGenerator random(seed);
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(QColor(128 * gain, 128 * gain, 128 * gain));
    QPainter painter(&image);
    painter.translate(shift);
    for (int i = 0; i < 250; ++i) {
        const auto c = [&] { return std::min(255, int(random.bounded(256) * gain)); };
        painter.fillRect(
            QRectF(random.bounded(320), random.bounded(240), 5 + random.bounded(30), 5 + random.bounded(30)),
            QColor(c(), c(), c()));
    }
    painter.end();
    image.save(path);
    return path;
}

QImage captured(const AppDelegate &d)
{
    CaptureState state{true, QImage(), QString(), QString("/unused/"), QString()};
    captureStep(
        state,
        renderPass(d.project().photos(), d.project().mode(), QSizeF(0, 0), true, 1.0, d.project().options()),
        QDateTime());
    return state.imageSave;
}

} // namespace

class FusionWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void alignFuseAndRenderTheSameWithTheRenderer()
    {
        TestApp app;
        app.launchWithoutDialog(Fusion);
        AppDelegate &d = *app.delegate;
        d.Set_Controls_View_to_Fusion();
        const QString folder = app.home.filePath("bracket");
        QDir().mkpath(folder);
        d.addPhotoFiles({writeScene(folder + "/dark.png", 1, {}, 0.6),
                         writeScene(folder + "/moved.png", 1, {5, -3}, 1.4),
                         writeScene(folder + "/other.png", 2, {}, 1.0)});
        app.waitForPhotos();
        QCOMPARE(d.project().photos().size(), 3);
        View_Fusion *panel = d.customview_Controls_Fusion;
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(panel->sliderContrast->track()->accessibleName(), QStringLiteral("Contrast"));
        QVERIFY(panel->sliderExposure->isEnabled());

        // One key on the contrast slider: one step, named after the weight.
        panel->sliderContrast->track()->setFocus();
        QTest::keyClick(panel->sliderContrast->track(), Qt::Key_Right);
        QCOMPARE(d.project().options().fusion.contrast, 1.1);
        QCOMPARE(d.project().undoStack().undoText(), QStringLiteral("Change Contrast Weight"));

        // Align to Background on the moved photo, from the Photo menu.
        d.project().select(1);
        QVERIFY(d.canAlignSelected());
        d.window()->menuAction("menuAlignPhoto")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!d.isAligning(), 20000);
        QVERIFY(d.project().photos()[1]->alignment.has_value());
        QCOMPARE(d.project().undoStack().undoText(), QStringLiteral("Align to Background"));
        QVERIFY(app.desktop->alerts.isEmpty());

        // A photo with nothing in common: one alert, nothing stored.
        const int steps = d.project().undoStack().count();
        d.project().select(2);
        d.window()->menuAction("menuAlignPhoto")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!d.isAligning(), 20000);
        QCOMPARE(app.desktop->alerts.size(), 1);
        QCOMPARE(app.desktop->alerts.last().message, QStringLiteral("No reliable alignment was found"));
        QVERIFY(app.desktop->alerts.last().informativeText.contains(
            "Photo 3 (\u201Cother.png\u201D) could not be aligned"));
        QVERIFY(!d.project().photos()[2]->alignment);
        QCOMPARE(d.project().undoStack().count(), steps);

        // The window's fusion and quillane-mix's, from the saved project.
        d.project().removeAt(2);
        app.desktop->saveAnswers.enqueue(folder + "/fused");
        d.window()->menuAction("menuSaveProject")->trigger();
        QProcess mix;
        const QString output = folder + "/mixed.png";
        mix.start(QUILLANE_MIX_PATH, {"-o", output, folder + "/fused.quillane"});
        QVERIFY(mix.waitForFinished(60000));
        QCOMPARE(mix.exitCode(), 0);
        const QString saved = folder + "/saved.png";
        QVERIFY(AppDelegate::saveImage(captured(d), saved).ok);
        QCOMPARE(QImage(output), QImage(saved));

        // Clear Alignment, and undo brings the alignment back.
        d.project().select(1);
        const PhotoAlignment found = *d.project().photos()[1]->alignment;
        QVERIFY(d.selectedHasAlignment());
        d.window()->menuAction("menuClearAlignment")->trigger();
        QVERIFY(!d.project().photos()[1]->alignment);
        QCOMPARE(d.project().undoStack().undoText(), QStringLiteral("Clear Alignment"));
        d.project().undoStack().undo();
        QCOMPARE(*d.project().photos()[1]->alignment, found);
    }
};

QTEST_MAIN(FusionWindowTest)
#include "tst_fusion_window.moc"
