// The preview canvas in the main window: what it shows and the capture handshake.
#include "TestApp.h"
#include "app/MainWindow.h"
#include "app/View_Image_Preview.h"
#include "model/PhotoProject.h"
#include "render/RenderPass.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

// Records where the canvas says the pointer is; takes drags when told to.
struct RecordingTool : CanvasTool {
    bool takes = true;
    QList<QPointF> points;
    QString logName() const override { return QStringLiteral("recording"); }
    bool press(const Pointer &p) override { return points.append(p.point), takes; }
    void drag(const Pointer &p) override { points.append(p.point); }
    void release(const Pointer &p) override { points.append(p.point); }
    QCursor hover(const Pointer &) override { return Qt::CrossCursor; }
    bool key(QKeyEvent *) override { return false; }
    void paintOverlay(QPainter &, const QTransform &) const override {}
};

class PreviewCanvasTest : public QObject {
    Q_OBJECT

  private:
    // The view once the pass of the latest state has finished on the worker.
    static QImage shown(AppDelegate &d)
    {
        d.viewPreviewImage->grab(); // delivers a resize made while hidden: its pass starts
        if (!QTest::qWaitFor([&d] { return d.viewPreviewImage->isFrameCurrent(); }, 5000))
            return {};
        return d.viewPreviewImage->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    static void sizeCanvas(AppDelegate &d, int width, int height)
    {
        d.scrollviewPreviewCanvas->setWidgetResizable(false);
        d.viewPreviewImage->setMinimumSize(1, 1);
        d.viewPreviewImage->resize(width, height);
    }

    static int countPixels(const QImage &image, QRgb color)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == color;
        return count;
    }

    static void addSolid(TestApp &app, const QString &name, QSize size, QColor color)
    {
        app.desktop->openAnswers.enqueue(app.writePhoto(name, size, color));
        app.delegate->OnAddPhoto();
        app.waitForPhotos();
    }

    // A photo whose every pixel differs from its neighbours', so that a region shown one
    // pixel off cannot pass for the right one.
    static void addPattern(TestApp &app, const QString &name, QSize size, int seed)
    {
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y,
                               qRgb((x * 7 + seed * 31) & 255, (y * 5 + x * 3) & 255, (x * y + seed) & 255));
        const QString path = app.home.filePath(name);
        image.save(path, "PNG");
        app.desktop->openAnswers.enqueue(path);
        app.delegate->OnAddPhoto();
        app.waitForPhotos();
    }

    static void showWindow(AppDelegate &d)
    {
        d.window()->resize(1000, 700);
        d.window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.window()));
    }

  private slots:
    void emptyListShowsNoImageAndKeepsTheCapturePending()
    {
        TestApp app;
        app.launchWithoutDialog();
        AppDelegate &d = *app.delegate;
        sizeCanvas(d, 400, 300);
        d.capture.b_Take_Picture = true;
        const QImage view = shown(d);
        QCOMPARE(view.size(), QSize(400, 300));
        QCOMPARE(view.pixel(2, 2), qRgb(0, 0, 0));
        // White text in the middle band, nothing white near the edges.
        int whiteCentre = 0;
        for (int x = 100; x < 300; ++x)
            whiteCentre +=
                view.pixel(x, 150) == qRgb(255, 255, 255) || view.pixel(x, 145) == qRgb(255, 255, 255);
        QVERIFY(whiteCentre > 5);
        QCOMPARE(countPixels(view.copy(0, 0, 400, 80), qRgb(255, 255, 255)), 0);
        QVERIFY(d.capture.b_Take_Picture);
        QVERIFY(d.capture.imageSave.isNull());
    }

    void onePhotoIsFittedWithBands()
    {
        TestApp app;
        app.launchWithoutDialog(Shape);
        AppDelegate &d = *app.delegate;
        sizeCanvas(d, 400, 300);
        addSolid(app, "wide.png", {200, 50}, Qt::red);
        const QImage view = shown(d);
        // 200 x 50 grows to 400 x 100, centred: black bands above and below.
        QCOMPARE(view.pixel(200, 150), qRgb(255, 0, 0));
        QCOMPARE(view.pixel(200, 60), qRgb(0, 0, 0));
        QCOMPARE(view.pixel(200, 240), qRgb(0, 0, 0));
        QVERIFY(qAbs(countPixels(view, qRgb(255, 0, 0)) - 400 * 100) <= 400 * 2);
    }

    void compositeOfTwoPhotosIsShownLive()
    {
        TestApp app;
        app.launchWithoutDialog(Composite);
        AppDelegate &d = *app.delegate;
        sizeCanvas(d, 200, 200);
        addSolid(app, "bg.png", {100, 100}, QColor(128, 128, 128));
        addSolid(app, "layer.png", {100, 100}, QColor(128, 128, 128));
        d.project().writeField(1, PhotoField::CompositeBlendMode, 16); // Multiply: 128 x 128 in linear light
        d.markPreviewForRedraw();
        const QRgb multiplied = shown(d).pixel(100, 100);
        QVERIFY2(qAbs(qRed(multiplied) - 61) <= 1, qPrintable(QString::number(qRed(multiplied))));
        d.project().writeField(1, PhotoField::CompositeBlendMode, 21); // Screen
        d.markPreviewForRedraw();
        QVERIFY(qAbs(qRed(shown(d).pixel(100, 100)) - 167) <= 1);
    }

    void captureStoresTheFullResolutionPictureAndItsName()
    {
        TestApp app;
        app.launchWithoutDialog(Composite);
        AppDelegate &d = *app.delegate;
        sizeCanvas(d, 160, 120);
        addSolid(app, "bg.png", {1000, 500}, Qt::blue);
        addSolid(app, "layer.png", {600, 800}, Qt::green);
        d.capture.b_Take_Picture = true;
        d.markPreviewForRedraw(); // as Save and Share do: the next pass starts the capture
        shown(d);
        QTRY_VERIFY(!d.capture.b_Take_Picture);                 // the full-resolution pass runs on a worker
        QCOMPARE(d.capture.imageSave.size(), QSize(1000, 800)); // the common frame, not the view
        QCOMPARE(d.capture.s_Saved_Take_Picture, d.capture.s_Output_Folder + "2026-03-07-14-05-09.png");
        QVERIFY(!d.capture.s_Saved_Take_Picture.contains("//"));
    }

    void captureOfOnePhotoIsThePhotoItself()
    {
        TestApp app;
        app.launchWithoutDialog(Transparent);
        AppDelegate &d = *app.delegate;
        addSolid(app, "only.png", {33, 17}, Qt::yellow);
        d.capture.b_Take_Picture = true;
        d.markPreviewForRedraw(); // as Save and Share do: the next pass starts the capture
        shown(d);
        QTRY_VERIFY(!d.capture.b_Take_Picture);
        QCOMPARE(d.capture.imageSave.size(), QSize(33, 17));
        QCOMPARE(d.capture.imageSave.pixel(5, 5), qRgb(255, 255, 0));
    }

    void burstOfChangesGivesAtMostTwoPassesOfTheLatestState()
    {
        TestApp app;
        app.launchWithoutDialog(Composite);
        AppDelegate &d = *app.delegate;
        d.window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.window()));
        addSolid(app, "bg.png", {100, 100}, QColor(128, 128, 128));
        addSolid(app, "layer.png", {100, 100}, QColor(128, 128, 128));
        QCoreApplication::processEvents(); // the passes the adds asked for
        const int before = d.viewPreviewImage->passCount();
        for (int i = 0; i < 10; ++i) { // as a dragged slider would: each change marks the canvas
            d.project().writeField(1, PhotoField::CompositeBlendMode, i == 9 ? 21 : i);
            d.markPreviewForRedraw();
        }
        QTRY_VERIFY(d.viewPreviewImage->passCount() > before);
        QCoreApplication::processEvents();
        QVERIFY(d.viewPreviewImage->passCount() - before <= 2);
        const QImage view = shown(d);
        QVERIFY(qAbs(qRed(view.pixel(view.width() / 2, view.height() / 2)) - 167) <= 1); // the last: Screen
    }

    void listChangesAskForARedraw()
    {
        TestApp app;
        app.launchWithoutDialog();
        AppDelegate &d = *app.delegate;
        d.window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.window()));
        addSolid(app, "a.png", {50, 50}, Qt::red);
        d.capture.b_Take_Picture = true; // the next real paint captures
        d.markPreviewForRedraw();
        QTRY_VERIFY(!d.capture.b_Take_Picture);
        QCOMPARE(d.capture.imageSave.size(), QSize(50, 50));
    }

    // At 100 % the canvas shows, pixel for pixel, what Save writes in the part in sight:
    // a Composite of photos of one size renders that part alone, the other projects crop
    // their whole picture.
    void actualPixelsShowTheSavedPicture_data()
    {
        QTest::addColumn<quint64>("mode");
        QTest::addColumn<QSize>("layerSize");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<QPoint>("scroll");
        QTest::newRow("composite of one size")
            << quint64(Composite) << QSize(1300, 900) << false << QPoint(0, 0);
        QTest::newRow("composite, scrolled")
            << quint64(Composite) << QSize(1300, 900) << false << QPoint(171, 93);
        QTest::newRow("composite, layer moved")
            << quint64(Composite) << QSize(700, 500) << true << QPoint(57, 21);
        QTest::newRow("shape") << quint64(Shape) << QSize(800, 600) << true << QPoint(240, 130);
        QTest::newRow("transparent") << quint64(Transparent) << QSize(800, 600) << true << QPoint(33, 250);
        QTest::newRow("linear") << quint64(LinearHorizontal) << QSize(1300, 900) << false << QPoint(0, 0);
    }

    void actualPixelsShowTheSavedPicture()
    {
        QFETCH(quint64, mode);
        QFETCH(QSize, layerSize);
        QFETCH(bool, moved);
        QFETCH(QPoint, scroll);
        TestApp app;
        app.launchWithoutDialog(mode);
        AppDelegate &d = *app.delegate;
        showWindow(d);
        addPattern(app, "bg.png", {1300, 900}, 1);
        addPattern(app, "layer.png", layerSize, 2);
        PhotoProject &project = d.project();
        project.writeField(1, PhotoField::CompositeBlendMode, 18); // Overlay
        project.writeField(1, PhotoField::CompositeOpacity, 70);
        if (moved) {
            for (PhotoField x :
                 {PhotoField::CompositeXOffset, PhotoField::ShapeXOffset, PhotoField::TransparentXOffset})
                project.writeField(1, x, 13.5);
            for (PhotoField y :
                 {PhotoField::CompositeYOffset, PhotoField::ShapeYOffset, PhotoField::TransparentYOffset})
                project.writeField(1, y, 7.25);
            project.writeField(1, PhotoField::TransparentTransparency, 35);
        }
        d.markPreviewForRedraw();
        QVERIFY(!shown(d).isNull());
        View_Image_Preview &canvas = *d.viewPreviewImage;
        canvas.zoomToActualPixels();
        d.scrollviewPreviewCanvas->horizontalScrollBar()->setValue(scroll.x());
        d.scrollviewPreviewCanvas->verticalScrollBar()->setValue(scroll.y());
        QVERIFY(QTest::qWaitFor([&canvas] { return canvas.isFrameCurrent(); }, 10000));

        const QRect region = canvas.shownRegion();
        QVERIFY(!region.isEmpty());
        QCOMPARE(region.topLeft(), scroll); // the picture starts at the canvas's corner
        const PassResult saved =
            renderPass(d.project().photos(), mode, QSizeF(), true, 1.0, d.project().options());
        QCOMPARE(canvas.pictureSize(), saved.mixed.size());
        QImage expected(region.size(), QImage::Format_RGB32); // over the canvas's black
        expected.fill(Qt::black);
        QPainter(&expected).drawImage(0, 0, saved.mixed.copy(region));
        QCOMPARE(canvas.grab(region).toImage().convertToFormat(QImage::Format_RGB32), expected);
    }

    // The View menu's commands, Ctrl+wheel and dragging; a new project is shown fitted.
    void zoomCommandsWheelAndDrag()
    {
        TestApp app;
        app.launchWithoutDialog(Composite);
        AppDelegate &d = *app.delegate;
        showWindow(d);
        View_Image_Preview &canvas = *d.viewPreviewImage;
        QAction *zoomIn = d.window()->menuAction("menuZoomIn");
        zoomIn->trigger(); // nothing drawn yet: nothing to zoom
        QCOMPARE(canvas.zoom(), View_Image_Preview::kFit);
        addPattern(app, "bg.png", {1600, 1200}, 1);
        QVERIFY(!shown(d).isNull());
        auto *label = d.window()->findChild<QLabel *>("zoomLabel");
        QVERIFY(label->text().startsWith("Fit ("));
        d.window()->menuAction("menuZoomActual")->trigger();
        QCOMPARE(canvas.zoom(), 1.0);
        QCOMPARE(label->text(), QString("100 %"));
        zoomIn->trigger();
        QCOMPARE(canvas.zoom(), 1.5);
        d.window()->menuAction("menuZoomOut")->trigger();
        d.window()->menuAction("menuZoomOut")->trigger();
        QCOMPARE(canvas.zoom(), 2.0 / 3.0);
        QCOMPARE(canvas.size(), QSize(1067, 800)); // the zoomed picture's size, rounded up

        QWheelEvent wheel(QPointF(10, 10), canvas.mapToGlobal(QPointF(10, 10)), {}, {0, 120}, Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&canvas, &wheel);
        QCOMPARE(canvas.zoom(), 1.0);

        QScrollBar *h = d.scrollviewPreviewCanvas->horizontalScrollBar();
        QScrollBar *v = d.scrollviewPreviewCanvas->verticalScrollBar();
        h->setValue(300);
        v->setValue(200);
        const QPoint from = canvas.mapFromParent(QPoint(100, 100));
        QTest::mousePress(&canvas, Qt::LeftButton, {}, from);
        QTest::mouseMove(&canvas, from + QPoint(-40, 25));
        QTest::mouseRelease(&canvas, Qt::LeftButton, {}, from + QPoint(-40, 25));
        QCOMPARE(QPoint(h->value(), v->value()), QPoint(340, 175)); // the picture follows the pointer

        d.window()->menuAction("menuZoomFit")->trigger();
        QCOMPARE(canvas.zoom(), View_Image_Preview::kFit);
        QCOMPARE(canvas.size(), d.scrollviewPreviewCanvas->viewport()->size());
        d.window()->menuAction("menuZoomActual")->trigger();
        d.project().reset(Shape, {}, QString()); // as New Project and Open Project do
        QCOMPARE(canvas.zoom(), View_Image_Preview::kFit);
    }

    // A tool gets the picture's pixels under the pointer at Fit and zoomed; a drag it
    // takes does not pan, one it declines does.
    void toolGetsPicturePointsAndItsDrags()
    {
        TestApp app;
        app.launchWithoutDialog(Composite);
        AppDelegate &d = *app.delegate;
        showWindow(d);
        View_Image_Preview &canvas = *d.viewPreviewImage;
        addPattern(app, "bg.png", {1600, 1200}, 1);
        QVERIFY(!shown(d).isNull());
        RecordingTool tool;
        canvas.setTool(&tool);
        // Where the picture is drawn, found from the pixels: its corners are its corners.
        // In this canvas its fitted frame is well inside the largest that would fit.
        sizeCanvas(d, 600, 430);
        const QImage drawn = shown(d);
        QRect lit;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (drawn.pixel(x, y) != qRgb(0, 0, 0))
                    lit |= QRect(x, y, 1, 1);
        const double perPoint = 1600.0 / lit.width(); // picture pixels per canvas point
        for (const QPoint corner : {lit.topLeft(), lit.bottomRight()}) {
            tool.points.clear();
            QTest::mouseClick(&canvas, Qt::LeftButton, {}, corner);
            QCOMPARE(tool.points.size(), 2);
            const QPointF expected = corner == lit.topLeft() ? QPointF(0, 0) : QPointF(1600, 1200);
            QVERIFY2(std::abs(tool.points[0].x() - expected.x()) < 2 * perPoint &&
                         std::abs(tool.points[0].y() - expected.y()) < 2 * perPoint,
                     qPrintable(QString("%1, %2").arg(tool.points[0].x()).arg(tool.points[0].y())));
        }
        // A press the tool takes starts the drafts' first pass at once, before any move.
        QVERIFY(!shown(d).isNull());
        const int passes = canvas.passCount();
        QTest::mousePress(&canvas, Qt::LeftButton, {}, lit.center());
        QTRY_VERIFY(canvas.passCount() > passes);
        QTest::mouseRelease(&canvas, Qt::LeftButton, {}, lit.center());

        d.window()->menuAction("menuZoomActual")->trigger();
        QScrollBar *h = d.scrollviewPreviewCanvas->horizontalScrollBar();
        QScrollBar *v = d.scrollviewPreviewCanvas->verticalScrollBar();
        h->setValue(300);
        v->setValue(200);
        tool.points.clear();
        const QPoint from = canvas.mapFromParent(QPoint(100, 100));
        QTest::mousePress(&canvas, Qt::LeftButton, {}, from);
        QTest::mouseMove(&canvas, from + QPoint(-40, 25));
        QTest::mouseRelease(&canvas, Qt::LeftButton, {}, from + QPoint(-40, 25));
        QCOMPARE(tool.points.size(), 3);
        const QPointF at = canvas.pictureToCanvas().inverted().map(QPointF(from));
        QCOMPARE(tool.points[0], at);
        QCOMPARE(tool.points[2], at + QPointF(-40, 25) * (1.0 / canvas.devicePixelRatioF()));
        QCOMPARE(QPoint(h->value(), v->value()), QPoint(300, 200));

        tool.takes = false;
        QTest::mousePress(&canvas, Qt::LeftButton, {}, from);
        QTest::mouseMove(&canvas, from + QPoint(-40, 25));
        QTest::mouseRelease(&canvas, Qt::LeftButton, {}, from + QPoint(-40, 25));
        QCOMPARE(QPoint(h->value(), v->value()), QPoint(340, 175));
    }
};

QTEST_MAIN(PreviewCanvasTest)
#include "tst_preview_canvas.moc"
