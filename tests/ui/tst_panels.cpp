// The controls panels: selection synchronisation, the write rule, each panel's
// controls and the shape picker.
#include "ModalScript.h"
#include "RedrawProbe.h"
#include "TestApp.h"
#include "app/MainWindow.h"
#include "app/View_Image_Preview.h"
#include "imaging/Filters.h"
#include "model/ShapeType.h"
#include "panels/View_Composition.h"
#include "panels/View_Linear.h"
#include "panels/View_Shape.h"
#include "panels/View_Transparent.h"
#include "panels/Window_Select_Shape.h"
#include "render/ShapeMasks.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

// Field values a photo is given through the document before a test looks at it.
using PhotoSetup = QList<QPair<PhotoField, double>>;
using PanelAct = std::function<void(AppDelegate &)>;
Q_DECLARE_METATYPE(PhotoSetup)
Q_DECLARE_METATYPE(PanelAct)
Q_DECLARE_METATYPE(PhotoField)

namespace {

void startProject(TestApp &app, quint64 mode)
{
    app.launchWithoutDialog(mode);
    AppDelegate &d = *app.delegate;
    if (isLinearMode(mode))
        d.Set_Controls_View_to_Linear();
    else if (mode == Composite)
        d.Set_Controls_View_to_Composition();
    else if (mode == Shape)
        d.Set_Controls_View_to_Shape();
    else
        d.Set_Controls_View_to_Transparent();
}

// The controls of the mode's panel that selection enables, in order.
QList<QWidget *> controlsOf(AppDelegate &d)
{
    if (isLinearMode(d.project().mode()))
        return {d.customview_Controls_Linear->sliderIntersectionLevel};
    if (d.project().mode() == Composite) {
        View_Composition &p = *d.customview_Controls_Composition;
        return {p.comboBlendMode, p.checkCompositeMatchBgSize, p.sliderSize, p.sliderX, p.sliderY,
                p.sliderOpacity};
    }
    if (d.project().mode() == Shape) {
        View_Shape &p = *d.customview_Controls_Shape;
        return {p.btnSelectShape, p.sliderSize, p.sliderX, p.sliderY, p.sliderFeather};
    }
    View_Transparent &p = *d.customview_Controls_Transparent;
    return {p.sliderTransparency, p.sliderSize, p.sliderX, p.sliderY};
}

QString enabledOf(AppDelegate &d)
{
    QString flags;
    for (QWidget *control : controlsOf(d))
        flags += control->isEnabled() ? '1' : '0';
    return flags;
}

// Which mask an image is, by comparing it with each of the twelve.
QString maskName(const QImage &image)
{
    for (quint64 type = 0; type < kShapeCount; ++type)
        if (!image.isNull() && image == shapeMaskImage(type, image.size()))
            return shapeMaskName(type);
    return image.isNull() ? "none" : "unknown";
}

// What the panel shows, as "value|value|...".
QString shownBy(AppDelegate &d)
{
    QStringList shown;
    if (d.project().mode() == Composite) {
        View_Composition &p = *d.customview_Controls_Composition;
        shown << QString::number(p.comboBlendMode->currentIndex())
              << (p.checkCompositeMatchBgSize->isChecked() ? "on" : "off");
    } else if (d.project().mode() == Shape) {
        shown << maskName(d.customview_Controls_Shape->imageviewShape->image());
    }
    for (QWidget *control : controlsOf(d))
        if (auto *slider = qobject_cast<ValueSlider *>(control))
            shown << QString::number(slider->value());
    return shown.join('|');
}

QString fieldsOf(const Object_Photo &photo)
{
    QStringList values;
    for (const PhotoFieldRow &row : photoFieldTable())
        values << QString::number(readPhotoField(photo, row.field));
    return values.join(',');
}

// Sets every control of the mode's panel to a new value and sends each action.
void runEveryAction(AppDelegate &d)
{
    for (QWidget *control : controlsOf(d))
        if (auto *slider = qobject_cast<ValueSlider *>(control))
            slider->setValue(7.5);
    if (isLinearMode(d.project().mode())) {
        d.customview_Controls_Linear->OnChangeIntersectionLevel();
    } else if (d.project().mode() == Composite) {
        View_Composition &p = *d.customview_Controls_Composition;
        p.comboBlendMode->setCurrentIndex(9);
        p.checkCompositeMatchBgSize->setChecked(false);
        p.OnChangeBlendMode();
        p.OnCheckCompositeMatchBgSize();
        p.OnChangeSize();
        p.OnChangeX();
        p.OnChangeY();
        p.OnChangeOpacity();
    } else if (d.project().mode() == Shape) {
        View_Shape &p = *d.customview_Controls_Shape;
        p.OnSelectShape();
        p.OnChangeSize();
        p.OnChangeX();
        p.OnChangeY();
        p.OnChangeFeather();
    } else {
        View_Transparent &p = *d.customview_Controls_Transparent;
        p.OnChangeTransparency();
        p.OnChangeSize();
        p.OnChangeX();
        p.OnChangeY();
    }
}

qint64 tableRow(AppDelegate &d)
{
    const QModelIndexList rows = d.tablePhotos->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

} // namespace

class PanelsTest : public QObject {
    Q_OBJECT

  private slots:
    void selectionEnablesLoadsAndNeverRedraws_data()
    {
        QTest::addColumn<quint64>("mode");
        QTest::addColumn<PhotoSetup>("setup");
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QString>("shown");
        const PhotoSetup linear = {{PhotoField::LinearIntersectionLevel, 90.5}};
        QTest::newRow("linear horizontal") << quint64(LinearHorizontal) << linear << "1"
                                           << "90.5";
        QTest::newRow("linear vertical") << quint64(LinearVertical) << linear << "1"
                                         << "90.5";
        auto composite = [](bool flag) {
            return PhotoSetup{{PhotoField::CompositeBlendMode, 17}, {PhotoField::CompositeSizeOfBG, flag},
                              {PhotoField::CompositeSize, 40},      {PhotoField::CompositeXOffset, 12.5},
                              {PhotoField::CompositeYOffset, -3},   {PhotoField::CompositeOpacity, 65}};
        };
        QTest::newRow("composite, own size") << quint64(Composite) << composite(false) << "111111"
                                             << "17|off|40|12.5|-3|65";
        QTest::newRow("composite, background's size") << quint64(Composite) << composite(true) << "110001"
                                                      << "17|on|40|12.5|-3|65";
        auto shape = [](quint64 type) {
            return PhotoSetup{{PhotoField::ShapeType, double(type)},
                              {PhotoField::ShapeSize, 40},
                              {PhotoField::ShapeXOffset, 5},
                              {PhotoField::ShapeYOffset, 6},
                              {PhotoField::ShapeFeather, 25}};
        };
        QTest::newRow("shape flames") << quint64(Shape) << shape(6) << "11111"
                                      << "flames|40|5|6|25";
        QTest::newRow("shape map") << quint64(Shape) << shape(11) << "11111"
                                   << "map|40|5|6|25";
        QTest::newRow("shape outside the table") << quint64(Shape) << shape(12) << "11111"
                                                 << "none|40|5|6|25";
        QTest::newRow("transparent") << quint64(Transparent)
                                     << PhotoSetup{{PhotoField::TransparentTransparency, 45},
                                                   {PhotoField::TransparentSize, 62.5},
                                                   {PhotoField::TransparentXOffset, -10},
                                                   {PhotoField::TransparentYOffset, 20}}
                                     << "1111"
                                     << "45|62.5|-10|20";
    }
    void selectionEnablesLoadsAndNeverRedraws()
    {
        QFETCH(quint64, mode);
        QFETCH(PhotoSetup, setup);
        QFETCH(QString, enabled);
        QFETCH(QString, shown);
        TestApp app;
        startProject(app, mode);
        AppDelegate &d = *app.delegate;
        app.addPhotos({"bg.png", "a.png", "b.png"});
        for (const auto &[field, value] : setup)
            d.project().writeField(2, field, value);
        const QString before = fieldsOf(*d.project().photos()[2]);
        RedrawProbe paints(d.viewPreviewImage.get(), d.tablePhotos->viewport());

        d.tablePhotos->selectRow(1);
        QCOMPARE(paints.paintsDuring([&] { d.tablePhotos->selectRow(2); }), 0);
        QCOMPARE(d.project().selectedIndex(), 2);
        QCOMPARE(enabledOf(d), enabled);
        QCOMPARE(shownBy(d), shown);

        // The background and an empty selection disable everything and keep the values.
        const QString none = QString(enabled.size(), '0');
        QCOMPARE(paints.paintsDuring([&] { d.tablePhotos->selectRow(0); }), 0);
        QCOMPARE(d.project().selectedIndex(), 0);
        QCOMPARE(enabledOf(d), none);
        QCOMPARE(shownBy(d), shown);
        QCOMPARE(paints.paintsDuring([&] { d.tablePhotos->clearSelection(); }), 0);
        QCOMPARE(d.project().selectedIndex(), -1);
        QCOMPARE(enabledOf(d), none);
        QCOMPARE(shownBy(d), shown);
        QCOMPARE(fieldsOf(*d.project().photos()[2]), before);
    }

    void actionsWriteTheSelectedOverlayPhoto_data()
    {
        QTest::addColumn<quint64>("mode");
        QTest::addColumn<PanelAct>("act");
        QTest::addColumn<PhotoField>("field");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("text"); // the slider's value text, when a slider acted

        auto composition = [](AppDelegate &d) -> View_Composition & {
            return *d.customview_Controls_Composition;
        };
        auto shape = [](AppDelegate &d) -> View_Shape & { return *d.customview_Controls_Shape; };
        auto transparent = [](AppDelegate &d) -> View_Transparent & {
            return *d.customview_Controls_Transparent;
        };
        auto linear = [](AppDelegate &d) -> View_Linear & { return *d.customview_Controls_Linear; };

        QTest::newRow("Multiply Compositing") << quint64(Composite) << PanelAct([=](AppDelegate &d) {
            QComboBox &combo = *composition(d).comboBlendMode;
            combo.setCurrentIndex(combo.findText("Multiply Compositing"));
            composition(d).OnChangeBlendMode();
        }) << PhotoField::CompositeBlendMode << 17.0
                                              << QString();
        QTest::newRow("Normal Blend Mode, the last, by key")
            << quint64(Composite)
            << PanelAct([=](AppDelegate &d) { QTest::keyClick(composition(d).comboBlendMode, Qt::Key_End); })
            << PhotoField::CompositeBlendMode << 24.0 << QString();
        QTest::newRow("composite opacity 40") << quint64(Composite) << PanelAct([=](AppDelegate &d) {
            composition(d).sliderOpacity->setValue(40);
            composition(d).OnChangeOpacity();
        }) << PhotoField::CompositeOpacity << 40.0
                                              << "40 %";
        QTest::newRow("shape feather, by key") << quint64(Shape) << PanelAct([=](AppDelegate &d) {
            QTest::keyClick(shape(d).sliderFeather->track(), Qt::Key_End);
        }) << PhotoField::ShapeFeather << 100.0 << "100 %";
        QTest::newRow("composite X 12.5") << quint64(Composite) << PanelAct([=](AppDelegate &d) {
            composition(d).sliderX->setValue(12.5);
            composition(d).OnChangeX();
        }) << PhotoField::CompositeXOffset << 12.5
                                          << "12.5 %";
        QTest::newRow("composite size, by key") << quint64(Composite) << PanelAct([=](AppDelegate &d) {
            QTest::keyClick(composition(d).sliderSize->track(), Qt::Key_Right);
        }) << PhotoField::CompositeSize << 0.5 << "+0.5 %";
        QTest::newRow("shape size 40") << quint64(Shape) << PanelAct([=](AppDelegate &d) {
            shape(d).sliderSize->setValue(40);
            shape(d).OnChangeSize();
        }) << PhotoField::ShapeSize << 40.0
                                       << "+40 %";
        QTest::newRow("linear horizontal") << quint64(LinearHorizontal) << PanelAct([=](AppDelegate &d) {
            linear(d).sliderIntersectionLevel->setValue(90);
            linear(d).OnChangeIntersectionLevel();
        }) << PhotoField::LinearIntersectionLevel
                                           << 90.0 << "90 (25 % overlap)";
        QTest::newRow("linear vertical, by key") << quint64(LinearVertical) << PanelAct([=](AppDelegate &d) {
            QTest::keyClick(linear(d).sliderIntersectionLevel->track(), Qt::Key_End);
        }) << PhotoField::LinearIntersectionLevel << 360.0
                                                 << "360 (100 % overlap)";
        QTest::newRow("transparency 45.7") << quint64(Transparent) << PanelAct([=](AppDelegate &d) {
            transparent(d).sliderTransparency->setValue(45.7);
            transparent(d).OnChangeTransparency();
        }) << PhotoField::TransparentTransparency
                                           << 45.0 << "45.7 %";
        QTest::newRow("transparency, by key") << quint64(Transparent) << PanelAct([=](AppDelegate &d) {
            QTest::keyClick(transparent(d).sliderTransparency->track(), Qt::Key_End);
        }) << PhotoField::TransparentTransparency
                                              << 100.0 << "100 %";
        QTest::newRow("transparent size 62.5") << quint64(Transparent) << PanelAct([=](AppDelegate &d) {
            transparent(d).sliderSize->setValue(62.5);
            transparent(d).OnChangeSize();
        }) << PhotoField::TransparentSize << 62.5
                                               << "62.5 %";
        QTest::newRow("transparent X, by key") << quint64(Transparent) << PanelAct([=](AppDelegate &d) {
            QTest::keyClick(transparent(d).sliderX->track(), Qt::Key_Home);
        }) << PhotoField::TransparentXOffset << -100.0
                                               << "-100 %";
    }
    void actionsWriteTheSelectedOverlayPhoto()
    {
        QFETCH(quint64, mode);
        QFETCH(PanelAct, act);
        QFETCH(PhotoField, field);
        QFETCH(double, stored);
        QFETCH(QString, text);
        TestApp app;
        startProject(app, mode);
        AppDelegate &d = *app.delegate;
        app.addPhotos({"bg.png", "a.png", "b.png"});
        for (qint64 row = 0; row < d.project().photos().size(); ++row)
            d.project().writeField(row, PhotoField::CompositeSizeOfBG, 0); // the Composite sliders are usable
        d.tablePhotos->selectRow(1);
        const QString background = fieldsOf(*d.project().photos()[0]);
        const QString other = fieldsOf(*d.project().photos()[2]);
        RedrawProbe paints(d.viewPreviewImage.get(), d.tablePhotos->viewport());

        QVERIFY(paints.paintsDuring([&] { act(d); }) > 0);
        QCOMPARE(readPhotoField(*d.project().photos()[1], field), stored);
        QCOMPARE(fieldsOf(*d.project().photos()[0]), background);
        QCOMPARE(fieldsOf(*d.project().photos()[2]), other);
        if (!text.isEmpty()) {
            const auto sliders = d.view_Controls->findChildren<ValueSlider *>();
            QVERIFY(std::any_of(sliders.begin(), sliders.end(),
                                [&](ValueSlider *s) { return s->isVisible() && s->valueText() == text; }));
        }
        // Selecting another photo and back shows what was stored (45.7 comes back as 45).
        d.tablePhotos->selectRow(2);
        d.tablePhotos->selectRow(1);
        QVERIFY2(shownBy(d).split('|').contains(QString::number(stored)), qPrintable(shownBy(d)));
    }

    void noActionWritesWithoutAnOverlayPhoto_data()
    {
        QTest::addColumn<quint64>("mode");
        QTest::addColumn<int>("row"); // -2: no photo yet
        for (quint64 mode :
             {quint64(LinearVertical), quint64(Composite), quint64(Shape), quint64(Transparent)})
            for (int row : {-2, -1, 0})
                QTest::addRow("mode %d, row %d", int(mode), row) << mode << row;
    }
    void noActionWritesWithoutAnOverlayPhoto()
    {
        QFETCH(quint64, mode);
        QFETCH(int, row);
        TestApp app;
        startProject(app, mode);
        AppDelegate &d = *app.delegate;
        if (row > -2)
            app.addPhotos({"bg.png", "a.png"});
        if (row == -1)
            d.tablePhotos->clearSelection();
        else if (row == 0)
            d.tablePhotos->selectRow(row);
        auto fields = [&] {
            QStringList all;
            for (const PhotoPtr &photo : d.project().photos())
                all << fieldsOf(*photo);
            return all.join('/');
        };
        const QString before = fields();
        ModalScript script;
        script.onModal<Window_Select_Shape>(
            [](Window_Select_Shape &picker) { picker.shapeButton(Heart)->click(); });
        RedrawProbe paints(d.viewPreviewImage.get(), d.tablePhotos->viewport());
        QCOMPARE(paints.paintsDuring([&] { runEveryAction(d); }), 0);
        QCOMPARE(fields(), before);
        QVERIFY(script.done() || mode != Shape); // the picker was shown and its pick dropped
    }

    void compositionListAndMatchBox()
    {
        TestApp app;
        startProject(app, Composite);
        AppDelegate &d = *app.delegate;
        View_Composition &p = *d.customview_Controls_Composition;
        QVERIFY(!p.comboBlendMode->isEditable());
        QCOMPARE(p.comboBlendMode->count(), kBlendModeCount);
        QCOMPARE(p.comboBlendMode->currentText(), QString("Addition Compositing"));
        QCOMPARE(p.comboBlendMode->itemText(17), QString("Multiply Compositing"));
        QCOMPARE(p.comboBlendMode->itemText(23), QString("Subtract Blend Mode"));
        QCOMPARE(p.comboBlendMode->itemText(24), QString("Normal Blend Mode"));

        app.addPhotos({"bg.png", "a.png"});
        const Object_Photo &photo = *d.project().photos()[1];
        QCOMPARE(enabledOf(d), QString("110001")); // a new photo matches the background
        d.project().writeField(1, PhotoField::CompositeSize, 40);
        d.project().writeField(1, PhotoField::CompositeXOffset, 12.5);
        RedrawProbe paints(d.viewPreviewImage.get(), d.tablePhotos->viewport());
        for (bool on : {false, true, false}) {
            QVERIFY(paints.paintsDuring(
                        [&] { QTest::keyClick(p.checkCompositeMatchBgSize, Qt::Key_Space); }) > 0);
            QCOMPARE(photo.bCompositeSizeOfBG, on);
            QCOMPARE(enabledOf(d), on ? QString("110001") : QString("111111"));
            QCOMPARE(photo.f_Composite_Size, 40.0f);
            QCOMPARE(photo.f_Composite_X_Offset, 12.5f);
        }
    }

    void pickingAShape_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("button"); // -1: Escape, -2: the title bar's close
        QTest::addColumn<quint64>("stored");
        QTest::addColumn<QString>("thumbnail");
        QTest::newRow("heart") << 1 << int(Heart) << quint64(Heart) << "heart";
        QTest::newRow("map") << 1 << int(Map) << quint64(Map) << "map";
        QTest::newRow("flames") << 1 << int(Flames) << quint64(Flames) << "flames";
        QTest::newRow("the shape it has") << 1 << int(Circle) << quint64(Circle) << "circle";
        QTest::newRow("escape") << 1 << -1 << quint64(Star6) << "star6";
        QTest::newRow("closed") << 1 << -2 << quint64(Star6) << "star6";
        QTest::newRow("background selected") << 0 << int(Heart) << quint64(Star6) << "star6";
    }
    void pickingAShape()
    {
        QFETCH(int, row);
        QFETCH(int, button);
        QFETCH(quint64, stored);
        QFETCH(QString, thumbnail);
        TestApp app;
        startProject(app, Shape);
        AppDelegate &d = *app.delegate;
        app.addPhotos({"bg.png", "a.png"});
        d.project().writeField(0, PhotoField::ShapeType, Star6);
        d.project().writeField(1, PhotoField::ShapeType, Star6);
        d.tablePhotos->selectRow(0);
        d.tablePhotos->selectRow(1); // the thumbnail shows the six-pointed star
        d.tablePhotos->selectRow(row);
        app.desktop->pointer = QPoint(500, 300);
        const bool written = button >= 0 && row > 0;

        ModalScript script;
        QPoint corner;
        bool modal = false;
        QImage ground;
        script.onModal<Window_Select_Shape>([&](Window_Select_Shape &picker) {
            corner = picker.pos();
            modal = picker.windowModality() == Qt::ApplicationModal && picker.isModal();
            ground = picker.findChild<View_Window_Shapes *>()->grab().toImage();
            if (button >= 0)
                picker.shapeButton(quint64(button))->click();
            else if (button == -1)
                QTest::keyClick(&picker, Qt::Key_Escape);
            else
                picker.close();
        });
        RedrawProbe paints(d.viewPreviewImage.get(), d.tablePhotos->viewport());
        View_Shape &panel = *d.customview_Controls_Shape;
        const int painted = paints.paintsDuring([&] { panel.OnSelectShape(); });
        QVERIFY(script.done());
        QCOMPARE(corner, QPoint(500, 252));
        QVERIFY(modal);
        QCOMPARE(ground.pixelColor(1, 1), QColor(Qt::black));
        QCOMPARE(d.project().photos()[1]->m_Shape_Type, row > 0 ? stored : quint64(Star6));
        QCOMPARE(d.project().photos()[0]->m_Shape_Type, quint64(Star6));
        QCOMPARE(maskName(panel.imageviewShape->image()), thumbnail);
        QCOMPARE(painted > 0, written);
        if (written) { // the same image the selection shows for that shape
            const QImage shown = panel.imageviewShape->image();
            d.tablePhotos->selectRow(0);
            d.tablePhotos->selectRow(1);
            QCOMPARE(panel.imageviewShape->image(), shown);
        }
    }

    void pickerStaysOnScreen_data()
    {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QPoint>("corner"); // negative: that far from the right or bottom edge
        QTest::newRow("inside") << QPoint(200, 300) << QPoint(200, 252);
        QTest::newRow("near the top") << QPoint(200, 10) << QPoint(200, 0);
        QTest::newRow("near the right") << QPoint(5000, 300) << QPoint(-1, 252);
        QTest::newRow("near the bottom") << QPoint(200, 5000) << QPoint(200, -1);
    }
    void pickerStaysOnScreen()
    {
        QFETCH(QPoint, pointer);
        QFETCH(QPoint, corner);
        Window_Select_Shape picker;
        picker.placeAtPointer(pointer);
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint expected(corner.x() < 0 ? room.right() + 1 - picker.width() : corner.x(),
                              corner.y() < 0 ? room.bottom() + 1 - picker.height() : corner.y());
        QCOMPARE(picker.pos(), expected);
        QVERIFY(room.contains(picker.geometry()));
        // Every button shows its own shape.
        for (quint64 type = 0; type < kShapeCount; ++type)
            QVERIFY(!picker.shapeButton(type)->icon().isNull());
    }

    void movesAndRemovalsReloadThePanel()
    {
        TestApp app;
        startProject(app, Transparent);
        AppDelegate &d = *app.delegate;
        app.addPhotos({"bg.png", "A.png", "B.png", "C.png"});
        for (int i = 1; i <= 3; ++i)
            d.project().writeField(i, PhotoField::TransparentTransparency, 10 * i);
        View_Transparent &p = *d.customview_Controls_Transparent;
        d.tablePhotos->selectRow(0);
        d.tablePhotos->selectRow(3);
        QCOMPARE(p.sliderTransparency->value(), 30.0);

        d.OnMovePhotoUp(); // row 3 now holds B
        QCOMPARE(app.names(), (QStringList{"bg.png", "A.png", "C.png", "B.png"}));
        QCOMPARE(d.project().selectedIndex(), 3);
        QCOMPARE(p.sliderTransparency->value(), 20.0);
        p.sliderTransparency->setValue(45);
        p.OnChangeTransparency();
        QCOMPARE(d.project().photos()[3]->f_Transparent_Transparency, 45u); // B, the photo shown
        QCOMPARE(d.project().photos()[2]->f_Transparent_Transparency, 30u);

        d.tablePhotos->selectRow(1);
        d.OnRemovePhoto(); // the background is selected at once: nothing to tune
        QCOMPARE(tableRow(d), 0);
        QCOMPARE(d.project().selectedIndex(), 0);
        QCOMPARE(enabledOf(d), QString("0000"));
        d.window()->menuAction("menuUndo")->trigger(); // A in row 1 again, and its values
        QCOMPARE(tableRow(d), 1);
        QCOMPARE(enabledOf(d), QString("1111"));
        QCOMPARE(p.sliderTransparency->value(), 10.0);
    }

    void movesFollowTheCompositeMatchRule()
    {
        TestApp app;
        startProject(app, Composite);
        AppDelegate &d = *app.delegate;
        app.addPhotos({"bg.png", "A.png", "B.png"});
        d.project().writeField(2, PhotoField::CompositeSizeOfBG, 0);
        d.tablePhotos->selectRow(0);
        d.tablePhotos->selectRow(2);
        QCOMPARE(enabledOf(d), QString("111111"));
        d.OnMovePhotoUp(); // row 2 now holds A, matched to the background
        QCOMPARE(enabledOf(d), QString("110001"));
        QVERIFY(d.customview_Controls_Composition->checkCompositeMatchBgSize->isChecked());
    }

    void addingPhotosLoadsTheirDefaults()
    {
        TestApp app;
        startProject(app, Transparent);
        AppDelegate &d = *app.delegate;
        View_Transparent &p = *d.customview_Controls_Transparent;
        p.sliderTransparency->setValue(70);
        app.addPhotos({"bg.png"});
        QCOMPARE(enabledOf(d), QString("0000"));
        QCOMPARE(p.sliderTransparency->value(), 70.0);
        app.addPhotos({"a.png"});
        QCOMPARE(enabledOf(d), QString("1111"));
        QCOMPARE(shownBy(d), QString("0|30|0|0"));
    }

    // The blend space and the full-resolution box edit the project, whatever is selected,
    // each change one undo step named after it.
    void projectOptionsAreOneUndoStepEach()
    {
        TestApp app;
        startProject(app, LinearHorizontal);
        AppDelegate &d = *app.delegate;
        app.addPhotos({"bg.png", "a.png"});
        d.tablePhotos->selectRow(0); // the background: the photo's controls are off
        View_Linear &p = *d.customview_Controls_Linear;
        auto *space = p.findChild<QComboBox *>();
        QVERIFY(space && space->isEnabled() && p.checkFullResolution->isEnabled());
        QCOMPARE(space->itemText(1), QString("sRGB values, as most editors blend"));
        RedrawProbe paints(d.viewPreviewImage.get(), d.tablePhotos->viewport());
        QVERIFY(paints.paintsDuring([&] { QTest::keyClick(p.checkFullResolution, Qt::Key_Space); }) > 0);
        QVERIFY(d.project().options().fullResolution);
        QCOMPARE(d.project().undoStack().undoText(), QString("Change Full Resolution"));
        QTest::keyClick(space, Qt::Key_End);
        QCOMPARE(d.project().options().blendSpace, BlendSpace::Srgb);
        QCOMPARE(d.project().undoStack().undoText(), QString("Change Blend Space"));
        d.project().undoStack().undo();
        QCOMPARE(d.project().options().blendSpace, BlendSpace::Linear);
        QCOMPARE(space->currentIndex(), 0);
        d.project().undoStack().undo();
        QVERIFY(!d.project().options().fullResolution);
        QVERIFY(!p.checkFullResolution->isChecked());
    }

    void sliderRanges_data()
    {
        QTest::addColumn<quint64>("mode");
        QTest::addColumn<int>("index"); // among the mode's controls
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximumAtLeast");
        QTest::addColumn<double>("initial");
        QTest::newRow("composite size") << quint64(Composite) << 2 << -90.0 << 300.0 << 0.0;
        QTest::newRow("composite X") << quint64(Composite) << 3 << -100.0 << 300.0 << 0.0;
        QTest::newRow("shape size") << quint64(Shape) << 1 << -90.0 << 300.0 << 0.0;
        QTest::newRow("shape Y") << quint64(Shape) << 3 << -100.0 << 300.0 << 0.0;
        QTest::newRow("intersection level") << quint64(LinearHorizontal) << 0 << 0.0 << 360.0 << 0.0;
        QTest::newRow("transparency") << quint64(Transparent) << 0 << 0.0 << 100.0 << 0.0;
        QTest::newRow("transparent size") << quint64(Transparent) << 1 << 1.0 << 200.0 << 30.0;
        QTest::newRow("transparent X") << quint64(Transparent) << 2 << -100.0 << 100.0 << 0.0;
    }
    void sliderRanges()
    {
        QFETCH(quint64, mode);
        QFETCH(int, index);
        QFETCH(double, minimum);
        QFETCH(double, maximumAtLeast);
        QFETCH(double, initial);
        TestApp app;
        startProject(app, mode);
        AppDelegate &d = *app.delegate;
        app.addPhotos({"bg.png", "a.png"});
        d.project().writeField(1, PhotoField::CompositeSizeOfBG, 0);
        d.tablePhotos->selectRow(0);
        d.tablePhotos->selectRow(1);
        auto *slider = qobject_cast<ValueSlider *>(controlsOf(d)[index]);
        QVERIFY(slider && slider->track()->hasTracking());
        QCOMPARE(slider->value(), initial); // the new photo's default lies in the range
        QTest::keyClick(slider->track(), Qt::Key_Home);
        QCOMPARE(slider->value(), minimum);
        QTest::keyClick(slider->track(), Qt::Key_End);
        QVERIFY2(slider->value() >= maximumAtLeast, qPrintable(slider->valueText()));
    }
};

QTEST_MAIN(PanelsTest)
#include "tst_panels.moc"
