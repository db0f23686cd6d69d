// What assistive technology is told, through Qt's accessibility interfaces (the same
// ones the AT-SPI bridge reads; scripts/check-accessibility.sh checks the bus itself).
#include "TestApp.h"
#include "app/MainWindow.h"
#include "app/View_Image_Preview.h"
#include "app/Window_New_Project.h"
#include "panels/ValueSlider.h"
#include "panels/View_Composition.h"
#include "panels/View_Shape.h"
#include "panels/Window_Select_Shape.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QLabel>
#include <QRegularExpression>
#include <QSlider>
#include <QTableView>
#include <QTest>

namespace {

QAccessibleInterface *accessibleOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    // Each control: the role and the name a screen reader announces.
    void controlsHaveTheirRoleAndName()
    {
        TestApp app;
        app.launchWithoutDialog(Shape);
        AppDelegate &d = *app.delegate;
        d.Set_Controls_View_to_Shape(); // loads the photo selected by the add
        app.addPhotos({"ground.png", "top.png"});
        d.window()->show();
        QTRY_VERIFY(d.viewPreviewImage->accessibleDescription().contains("Fit ("));
        QTRY_VERIFY(d.customview_Controls_Shape);
        ShapeThumbnail *shape = d.customview_Controls_Shape->imageviewShape;
        QVERIFY(shape->accessibleName().startsWith("Shape: "));
        const struct {
            QObject *object;
            QAccessible::Role role;
            QString name;
            QString description;
        } rows[] = {
            {d.viewPreviewImage, QAccessible::Graphic, "Preview of the mixed picture",
             "^Shape of 2 photos, 40 × 30, Fit \\(\\d+ %\\)$"},
            {shape, QAccessible::Graphic, "^Shape: ", {}},
            {d.window()->findChild<QLabel *>("zoomLabel"),
             QAccessible::StaticText,
             "^Zoom: Fit \\(\\d+ %\\)$",
             {}},
        };
        for (const auto &row : rows) {
            QAccessibleInterface *face = accessibleOf(row.object);
            QVERIFY(face);
            QCOMPARE(face->role(), row.role);
            QVERIFY2(QRegularExpression(row.name).match(face->text(QAccessible::Name)).hasMatch(),
                     qPrintable(face->text(QAccessible::Name)));
            if (!row.description.isEmpty())
                QVERIFY2(QRegularExpression(row.description)
                             .match(face->text(QAccessible::Description))
                             .hasMatch(),
                         qPrintable(face->text(QAccessible::Description)));
        }
        QCOMPARE(accessibleOf(d.viewPreviewImage)->imageInterface()->imageDescription(),
                 d.viewPreviewImage->accessibleDescription());
        // The thumbnail cells, where the arrow keys land.
        QAccessibleTableInterface *table = accessibleOf(d.tablePhotos)->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("Photo 1 of 2: ground.png"));
        QCOMPARE(table->cellAt(1, 0)->text(QAccessible::Name), QStringLiteral("Photo 2 of 2: top.png"));
    }

    // A slider reports the value and range it shows, and takes a value in them.
    void slidersReportTheShownValueAndRange()
    {
        TestApp app;
        app.launchWithoutDialog(Composite);
        AppDelegate &d = *app.delegate;
        d.Set_Controls_View_to_Composition();
        app.addPhotos({"ground.png", "top.png"});
        QVERIFY(d.project().writeField(1, PhotoField::CompositeSize, 10.5));
        d.window()->menuAction("menuUndo")->trigger(); // the panel loads what undo and redo bring
        d.window()->menuAction("menuRedo")->trigger();
        ValueSlider *size = d.customview_Controls_Composition->sliderSize;
        QCOMPARE(size->track()->accessibleName(), QStringLiteral("Size"));
        QAccessibleInterface *face = accessibleOf(size->track());
        QCOMPARE(face->role(), QAccessible::Slider);
        QAccessibleValueInterface *value = face->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->currentValue().toDouble(), 10.5);
        QCOMPARE(face->text(QAccessible::Value), QStringLiteral("+10.5 %"));
        QCOMPARE(value->minimumValue().toDouble(), -90.0);
        QCOMPARE(value->maximumValue().toDouble(), 400.0);
        QCOMPARE(value->minimumStepSize().toDouble(), 0.5);
        value->setCurrentValue(25.0);
        QCOMPARE(readPhotoField(*d.project().photos().at(1), PhotoField::CompositeSize), 25.0);
    }

    // The project type's choices are radio buttons, checked as they show, pressed by
    // their action.
    void projectTypeChoicesAreRadioButtons()
    {
        TestApp app;
        Window_New_Project dialog(Composite, *app.desktop, false);
        for (QRadioButton *choice : {dialog.radioComposite.data(), dialog.radioShape.data(),
                                     dialog.radioLinear.data(), dialog.radioTransparency.data()}) {
            QAccessibleInterface *face = accessibleOf(choice);
            QCOMPARE(face->role(), QAccessible::RadioButton);
            QVERIFY(face->state().checkable);
            QCOMPARE(bool(face->state().checked), choice->isChecked());
            QVERIFY(!face->text(QAccessible::Name).contains('&'));
        }
        QCOMPARE(accessibleOf(dialog.radioShape)->text(QAccessible::Name), QStringLiteral("Shape"));
        accessibleOf(dialog.radioShape)
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(dialog.radioShape->isChecked() && !dialog.radioComposite->isChecked());
    }

    // Enter picks the shape whose button has the focus.
    void enterPicksInTheShapePicker()
    {
        Window_Select_Shape picker;
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        picker.shapeButton(5)->setFocus();
        QTest::keyClick(&picker, Qt::Key_Return);
        QCOMPARE(picker.result(), 1);
        QCOMPARE(picker.shapeTypeChosen, quint64(5));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
