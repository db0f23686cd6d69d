// Placing a photo by hand on the canvas: Action › Place Photo on Canvas hands the canvas
// to the placement tool; its drags move, scale and turn the selected photo, each one
// undo step that undo takes back exactly, the panel following; Escape puts back, arrows
// nudge, Enter finishes.
#include "TestApp.h"
#include "app/MainWindow.h"
#include "app/PlacementTool.h"
#include "app/View_Image_Preview.h"
#include "model/PhotoProject.h"
#include "model/ProjectFile.h"
#include "panels/View_Composition.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

class PlacementToolTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestApp> m_app;

    AppDelegate &d() { return *m_app->delegate; }
    View_Image_Preview &canvas() { return *d().viewPreviewImage; }
    const Object_Photo &photo() { return *d().project().photos()[1]; }
    QString state() { return QString::fromUtf8(projectJson(Composite, d().project().photos(), "/")); }

    // A point of the picture given in lower-left picture pixels, on the canvas.
    QPoint at(QPointF lowerLeft)
    {
        const QPointF picture(lowerLeft.x(), canvas().pictureSize().height() - lowerLeft.y());
        return canvas().pictureToCanvas().map(picture).toPoint();
    }
    // Where the canvas says that canvas point lies (lower-left picture pixels).
    QPointF pictureAt(QPoint point)
    {
        const QPointF p = canvas().pictureToCanvas().inverted().map(QPointF(point));
        return {p.x(), canvas().pictureSize().height() - p.y()};
    }
    void send(QEvent::Type type, QPoint point, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = {})
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(point), canvas().mapToGlobal(QPointF(point)), button, buttons,
                          modifiers);
        QApplication::sendEvent(&canvas(), &event);
    }
    void dragFromTo(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {})
    {
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, modifiers);
        send(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton, modifiers);
        send(QEvent::MouseMove, to, Qt::LeftButton, modifiers);
        send(QEvent::MouseButtonRelease, to, Qt::NoButton, modifiers);
    }

  private slots:
    // A Composite project: a 400 x 300 background and a 100 x 50 photo placed at its
    // lower-left corner, selected, the tool on.
    void init()
    {
        m_app = std::make_unique<TestApp>();
        m_app->launchWithoutDialog(Composite);
        d().Set_Controls_View_to_Composition();
        d().window()->resize(1000, 700);
        d().window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(d().window()));
        for (const auto &[name, size] : {std::pair{"bg.png", QSize(400, 300)}, {"a.png", QSize(100, 50)}}) {
            m_app->desktop->openAnswers.enqueue(m_app->writePhoto(name, size));
            d().OnAddPhoto();
            m_app->waitForPhotos();
        }
        d().project().writeField(1, PhotoField::CompositeSizeOfBG, 0);
        d().project().select(1);
        d().project().undoStack().clear();
        QVERIFY(QTest::qWaitFor([this] { return canvas().isFrameCurrent(); }, 5000));
        d().window()->menuAction("menuPlacePhoto")->trigger();
        QVERIFY(canvas().tool() != nullptr);
    }
    void cleanup() { m_app.reset(); }

    void aDragInsideMovesThePhotoAsOneStepThatUndoTakesBack()
    {
        const QString before = state();
        const QPoint from = at({50, 25});
        const QPoint to = from + QPoint(37, -21);
        QCOMPARE(canvas().cursor().shape(), Qt::ArrowCursor);
        send(QEvent::MouseMove, from, Qt::NoButton);
        QCOMPARE(canvas().cursor().shape(), Qt::SizeAllCursor);
        dragFromTo(from, to);
        const QPointF moved = pictureAt(to) - pictureAt(from);
        QVERIFY(std::abs(photo().f_Composite_X_Offset - moved.x()) < 1e-3); // per cent of 100 pixels
        QVERIFY(std::abs(photo().f_Composite_Y_Offset - moved.y() * 2) < 1e-3);
        QCOMPARE(d().project().undoStack().count(), 1);
        QCOMPARE(d().project().undoStack().undoText(), QStringLiteral("Move Photo"));
        QCOMPARE(d().customview_Controls_Composition->sliderX->value(), double(photo().f_Composite_X_Offset));
        d().project().undoStack().undo();
        QCOMPARE(state(), before);
        QCOMPARE(d().customview_Controls_Composition->sliderX->value(), 0.0);
    }

    void aCornerScalesAboutTheCornerAcrossKeepingTheProportions()
    {
        const QPoint corner = at({100, 50});
        send(QEvent::MouseMove, corner, Qt::NoButton);
        QCOMPARE(canvas().cursor().shape(), Qt::SizeBDiagCursor);
        const QPoint to = at({150, 60}); // wider than high: the width decides
        dragFromTo(corner, to);
        const double factor = pictureAt(to).x() / 100.0;
        QVERIFY(std::abs(photo().f_Composite_Size - (factor - 1) * 100) < 1e-3);
        QVERIFY(std::abs(photo().f_Composite_X_Offset) < 1e-3); // the lower-left corner stayed
        QVERIFY(std::abs(photo().f_Composite_Y_Offset) < 1e-3);
        QCOMPARE(d().project().undoStack().undoText(), QStringLiteral("Resize Photo"));
    }

    void theTurnHandleTurnsClockwiseAndShiftSnaps()
    {
        const double pixelsPerPoint = 1.0 / canvas().pictureToCanvas().m11();
        const QPoint handle = at({50, 50 + 28 * pixelsPerPoint}); // above the top edge's middle
        send(QEvent::MouseMove, handle, Qt::NoButton);
        QCOMPARE(canvas().cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(canvas().cursor().pixmap().cacheKey(), PlacementTool::turnCursor().pixmap().cacheKey());
        dragFromTo(handle, at({120, 27}), Qt::ShiftModifier); // to the right of the centre
        QCOMPARE(photo().f_Composite_Rotation, 90.0f);
        QCOMPARE(d().project().undoStack().undoText(), QStringLiteral("Rotate Photo"));
        QCOMPARE(d().project().undoStack().count(), 1);
    }

    void escapePutsBackWhereTheDragStartedAndLeavesNoStep()
    {
        const QString before = state();
        const QPoint from = at({50, 25});
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        send(QEvent::MouseMove, from + QPoint(30, 10), Qt::LeftButton);
        QVERIFY(state() != before); // live
        QTest::keyClick(&canvas(), Qt::Key_Escape);
        send(QEvent::MouseButtonRelease, from + QPoint(30, 10), Qt::NoButton);
        QCOMPARE(state(), before);
        QCOMPARE(d().project().undoStack().count(), 0);
    }

    void arrowsNudgeByAPixelAndShiftByTen()
    {
        QTest::keyClick(&canvas(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(&canvas(), Qt::Key_Up);
        QCOMPARE(photo().f_Composite_X_Offset, 10.0f); // 10 of the photo's 100 pixels
        QCOMPARE(photo().f_Composite_Y_Offset, 2.0f);  // 1 of its 50
        QCOMPARE(d().project().undoStack().undoText(), QStringLiteral("Nudge Photo"));
    }

    void enterFinishes()
    {
        QAction *place = d().window()->menuAction("menuPlacePhoto");
        QVERIFY(place->isChecked());
        QTest::keyClick(&canvas(), Qt::Key_Return);
        QVERIFY(!place->isChecked());
        QCOMPARE(canvas().tool(), nullptr);
    }
};

QTEST_MAIN(PlacementToolTest)
#include "tst_placement_tool.moc"
