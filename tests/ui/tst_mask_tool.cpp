// The mask tool in the main window: where it is offered, painting and gradients by
// dragging on the canvas, its keys and buttons, undo, and the picture quillane-mix makes
// of the saved project.
#include "TestApp.h"
#include "app/MainWindow.h"
#include "app/MaskTool.h"
#include "app/View_Image_Preview.h"
#include "model/PhotoProject.h"
#include "model/ProjectFile.h"
#include "render/RenderPass.h"

#include <QAction>
#include <QCheckBox>
#include <QColorSpace>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>

class MaskToolTest : public QObject {
    Q_OBJECT

  private:
    // A red background and a blue photo over it, Normal, the blue photo selected.
    static void twoPhotos(TestApp &app, quint64 mode = Composite)
    {
        app.launchWithoutDialog(mode);
        for (const auto &[name, colour] : {std::pair{"red.png", Qt::red}, std::pair{"blue.png", Qt::blue}}) {
            app.desktop->openAnswers.enqueue(app.writePhoto(name, {200, 150}, colour));
            app.delegate->OnAddPhoto();
            app.waitForPhotos();
        }
        PhotoProject &project = app.delegate->project();
        project.writeField(1, PhotoField::CompositeBlendMode, 24);
        project.writeField(1, PhotoField::TransparentSize, 100);
        project.select(1);
        AppDelegate &d = *app.delegate;
        d.window()->resize(1000, 700);
        d.window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.window()));
    }

    static QImage shown(AppDelegate &d)
    {
        if (!QTest::qWaitFor([&d] { return d.viewPreviewImage->isFrameCurrent(); }, 5000))
            return {};
        return d.viewPreviewImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // A picture point on the canvas.
    static QPoint at(AppDelegate &d, QPointF picture)
    {
        return d.viewPreviewImage->pictureToCanvas().map(picture).toPoint();
    }

    static void dragOn(AppDelegate &d, QPointF from, QPointF to)
    {
        View_Image_Preview &canvas = *d.viewPreviewImage;
        QTest::mousePress(&canvas, Qt::LeftButton, {}, at(d, from));
        for (int step = 1; step <= 8; ++step)
            QTest::mouseMove(&canvas, at(d, from + (to - from) * (step / 8.0)));
        QTest::mouseRelease(&canvas, Qt::LeftButton, {}, at(d, to));
    }

    static MaskTool *tool(AppDelegate &d) { return dynamic_cast<MaskTool *>(d.viewPreviewImage->tool()); }

    static QColor pixelAt(AppDelegate &d, QPointF picture)
    {
        const QImage view = shown(d);
        return view.isNull() ? QColor() : QColor(view.pixel(at(d, picture) * view.devicePixelRatio()));
    }

  private slots:
    void offeredForALaterPhotoOfAProjectThatIsNotLinear()
    {
        TestApp app;
        twoPhotos(app);
        AppDelegate &d = *app.delegate;
        QAction *mask = d.window()->menuAction("menuMaskTool");
        QVERIFY(mask && mask->isCheckable());
        QVERIFY(mask->isEnabled());
        QCOMPARE(d.window()->findChild<QToolButton *>("mask")->accessibleName(), QString("Mask tool"));
        mask->trigger();
        QVERIFY(tool(d));
        QVERIFY(d.window()->findChild<QWidget *>("maskControls")->isVisible());
        for (const char *name : {"maskHide", "maskShow", "maskLinear", "maskRadial", "maskSize",
                                 "maskHardness", "maskOpacity", "maskInvert", "maskClear", "maskShowOverlay"})
            QVERIFY2(!d.window()->findChild<QWidget *>(name)->accessibleName().isEmpty(), name);
        d.project().select(0); // the background has no mask
        QVERIFY(!mask->isEnabled());
        QVERIFY(!tool(d));
        d.project().select(1);
        QVERIFY(mask->isEnabled());
        d.project().reset(LinearHorizontal, d.project().photos(), QString());
        d.project().select(1);
        QVERIFY(!mask->isEnabled());
        QVERIFY(!d.window()->findChild<QToolButton *>("mask")->isVisible());
    }

    void paintingHidesThePhotoAndUndoBringsItBack()
    {
        TestApp app;
        twoPhotos(app);
        AppDelegate &d = *app.delegate;
        d.window()->menuAction("menuMaskTool")->trigger();
        QCOMPARE(pixelAt(d, {100, 75}), QColor(Qt::blue));
        const int steps = d.project().undoStack().count();
        dragOn(d, {20, 75}, {180, 75});
        QCOMPARE(d.project().undoStack().count(), steps + 1);
        QCOMPARE(d.project().undoStack().undoText(), QString("Paint Mask"));
        const MaskStroke stroke = d.project().photos()[1]->mask.strokes.value(0);
        QVERIFY(stroke.points.size() >= 2);
        QVERIFY(std::abs(stroke.points.first().x() - 0.1) < 0.02 &&
                std::abs(stroke.points.first().y() - 0.5) < 0.02);
        QVERIFY(std::abs(stroke.points.last().x() - 0.9) < 0.02);
        QCOMPARE(stroke.size, 0.1);
        QCOMPARE(pixelAt(d, {100, 75}), QColor(Qt::red)); // hidden: the background shows
        QCOMPARE(pixelAt(d, {100, 10}), QColor(Qt::blue));
        QTest::keyClick(d.viewPreviewImage, Qt::Key_X); // show again, half way
        QTest::keyClick(d.viewPreviewImage, Qt::Key_BracketRight);
        tool(d)->setSettings([&] {
            MaskTool::Settings s = tool(d)->settings();
            s.opacity = 50;
            return s;
        }());
        QVERIFY(tool(d)->settings().show);
        QCOMPARE(tool(d)->settings().size, 12.5);
        dragOn(d, {100, 20}, {100, 130});
        const QColor half = pixelAt(d, {100, 75});
        QVERIFY2(half.red() > 100 && half.blue() > 100, qPrintable(half.name()));
        d.project().undoStack().undo();
        d.project().undoStack().undo();
        QVERIFY(d.project().photos()[1]->mask.isEmpty());
        QCOMPARE(pixelAt(d, {100, 75}), QColor(Qt::blue));
    }

    void gradientsInvertClearAndKeys()
    {
        TestApp app;
        twoPhotos(app);
        AppDelegate &d = *app.delegate;
        d.window()->menuAction("menuMaskTool")->trigger();
        View_Image_Preview &canvas = *d.viewPreviewImage;
        QTest::keyClick(&canvas, Qt::Key_G);
        QCOMPARE(tool(d)->settings().shape, MaskTool::LinearGradient);
        dragOn(d, {50, 75}, {150, 75});
        QCOMPARE(d.project().undoStack().undoText(), QString("Add Gradient"));
        QCOMPARE(pixelAt(d, {20, 75}), QColor(Qt::blue));
        QCOMPARE(pixelAt(d, {180, 75}), QColor(Qt::red));
        d.window()->findChild<QPushButton *>("maskInvert")->click();
        QCOMPARE(d.project().undoStack().undoText(), QString("Invert Mask"));
        QCOMPARE(pixelAt(d, {20, 75}), QColor(Qt::red));
        d.window()->findChild<QPushButton *>("maskClear")->click();
        QCOMPARE(d.project().undoStack().undoText(), QString("Clear Mask"));
        QTest::keyClick(&canvas, Qt::Key_G);
        QCOMPARE(tool(d)->settings().shape, MaskTool::RadialGradient);
        QTest::keyClick(&canvas, Qt::Key_BracketRight, Qt::ShiftModifier);
        QCOMPARE(tool(d)->settings().hardness, 60.0);
        dragOn(d, {100, 75}, {150, 75});
        const MaskGradient radial = d.project().photos()[1]->mask.gradients.value(0);
        QCOMPARE(radial.type, MaskGradient::Radial);
        QVERIFY(std::abs(radial.radius - 0.25) < 0.02);
        QVERIFY(std::abs(radial.inner - 0.15) < 0.02);
        QCOMPARE(pixelAt(d, {100, 75}), QColor(Qt::blue));
        QCOMPARE(pixelAt(d, {190, 140}), QColor(Qt::red));
        d.window()->findChild<QCheckBox *>("maskShowOverlay")->setChecked(true);
        QVERIFY(tool(d)->settings().showMask);
        QTest::keyClick(&canvas, Qt::Key_B);
        QCOMPARE(tool(d)->settings().shape, MaskTool::Brush);
    }

    // While a brush paints, the canvas shows sharp frames (each redraws only the last
    // dabs' region, and a draft would first take a pass over every photo at its scale);
    // while a gradient is dragged, drafts. The sharp frame follows the release.
    void brushStrokesAreShownSharpAndGradientsAsDrafts_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<bool>("drafts");
        QTest::newRow("brush") << int(MaskTool::Brush) << false;
        QTest::newRow("linear gradient") << int(MaskTool::LinearGradient) << true;
        QTest::newRow("radial gradient") << int(MaskTool::RadialGradient) << true;
    }
    void brushStrokesAreShownSharpAndGradientsAsDrafts()
    {
        QFETCH(int, shape);
        QFETCH(bool, drafts);
        TestApp app;
        twoPhotos(app);
        AppDelegate &d = *app.delegate;
        d.window()->menuAction("menuMaskTool")->trigger();
        MaskTool::Settings settings = tool(d)->settings();
        settings.shape = MaskTool::Shape(shape);
        tool(d)->setSettings(settings);
        View_Image_Preview &canvas = *d.viewPreviewImage;
        QVERIFY(!shown(d).isNull());
        QVERIFY(!canvas.showsDraft());
        QTest::mousePress(&canvas, Qt::LeftButton, {}, at(d, {40, 75}));
        for (int step = 1; step <= 4; ++step) {
            QTest::mouseMove(&canvas, at(d, {40.0 + 25 * step, 75}));
            QVERIFY(!shown(d).isNull());
            QCOMPARE(canvas.showsDraft(), drafts);
        }
        QTest::mouseRelease(&canvas, Qt::LeftButton, {}, at(d, {140, 75}));
        QVERIFY(!shown(d).isNull());
        QVERIFY(!canvas.showsDraft());
    }

    // The project saved from the window and rendered by quillane-mix is the picture the
    // window's capture makes.
    void quillaneMixRendersTheWindowsMask()
    {
        TestApp app;
        twoPhotos(app, Shape);
        AppDelegate &d = *app.delegate;
        d.window()->menuAction("menuMaskTool")->trigger();
        dragOn(d, {30, 30}, {170, 120});
        QTest::keyClick(d.viewPreviewImage, Qt::Key_G);
        dragOn(d, {20, 20}, {180, 20});
        QCOMPARE(d.project().photos()[1]->mask.strokes.size(), 1);
        const QString projectPath = app.home.filePath("masked.quillane");
        QCOMPARE(writeProject(projectPath, d.project().mode(), d.project().photos(), d.project().options()),
                 QString());
        const QString output = app.home.filePath("mixed.png");
        QProcess mix;
        mix.start(QUILLANE_MIX_PATH, {"-o", output, projectPath});
        QVERIFY(mix.waitForFinished(30000));
        QCOMPARE(mix.exitCode(), 0);
        QImage captured = renderPass(d.project().photos(), d.project().mode(), {}, true).mixed;
        captured.setColorSpace(QColorSpace::SRgb); // the written file is tagged sRGB
        QCOMPARE(QImage(output).convertToFormat(QImage::Format_ARGB32),
                 captured.convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(MaskToolTest)
#include "tst_mask_tool.moc"
