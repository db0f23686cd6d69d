// The preview canvas in the main window: what it shows and the capture handshake.
#include "TestApp.h"
#include "app/MainWindow.h"
#include "app/View_Image_Preview.h"

#include <QScrollArea>
#include <QTest>

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
        d.project().photos()[1]->m_Composite_Blend_Mode = 16; // Multiply: 128 x 128 in linear light
        d.markPreviewForRedraw();
        const QRgb multiplied = shown(d).pixel(100, 100);
        QVERIFY2(qAbs(qRed(multiplied) - 61) <= 1, qPrintable(QString::number(qRed(multiplied))));
        d.project().photos()[1]->m_Composite_Blend_Mode = 21; // Screen
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
            d.project().photos()[1]->m_Composite_Blend_Mode = i == 9 ? 21 : quint64(i);
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
};

QTEST_MAIN(PreviewCanvasTest)
#include "tst_preview_canvas.moc"
