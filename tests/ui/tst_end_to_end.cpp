// The real Qt dialogs, driven as a user would: start-up, the project type dialog, its
// refusal of Cancel, the open panel, and the photo arriving in the table.
#include "ModalScript.h"
#include "app/AppDelegate.h"
#include "app/MainWindow.h"
#include "app/Window_New_Project.h"
#include "imaging/PhotoLoader.h"
#include "panels/View_Shape.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

class EndToEndTest : public QObject {
    Q_OBJECT

  private slots:
    void startToFirstPhotoThroughTheRealDialogs()
    {
        QTemporaryDir home;
        QImage photo(64, 48, QImage::Format_RGB32);
        photo.fill(Qt::blue);
        const QString path = home.filePath("Lake.JPG");
        QVERIFY(photo.save(path, "JPEG"));

        std::optional<int> exitStatus;
        AppDelegate::Options options;
        options.documentsFolder = home.filePath("Documents");
        options.exitProcess = [&](int status) { exitStatus = status; };
        AppDelegate delegate(options);

        ModalScript script;
        QString alertTexts;
        bool startupChecked = false;
        // The dialog appears by itself; Cancel is refused with an alert.
        script.onModal<Window_New_Project>([&](Window_New_Project &dialog) {
            startupChecked = dialog.bStartup && dialog.radioComposite->isChecked();
            QTimer::singleShot(0, dialog.buttonCancel.get(), &QPushButton::click);
        });
        script.onModal<QMessageBox>([&](QMessageBox &alert) {
            QStringList buttons;
            for (QAbstractButton *button : alert.buttons())
                buttons << button->text();
            alertTexts = alert.text() + "|" + alert.informativeText() + "|" + buttons.join(',');
            alert.buttons().first()->click();
        });
        script.onModal<Window_New_Project>([](Window_New_Project &dialog) {
            dialog.radioShape->click();
            dialog.buttonOK->click();
        });
        // 0.2 s later the open panel asks for the background photo.
        QString filters;
        script.onModal<QFileDialog>([&](QFileDialog &panel) {
            filters = panel.nameFilters().join(' ');
            panel.selectFile(path);
            static_cast<QDialog &>(panel).accept();
        });

        delegate.applicationDidFinishLaunching();
        QTRY_VERIFY_WITH_TIMEOUT(script.done(), 10000);
        QVERIFY(startupChecked);
        QCOMPARE(alertTexts, QString("Error|You must choose a project type at startup.|Close"));
        QCOMPARE(filters, photoNameFilter(photoFileExtensions()));
        QCOMPARE(delegate.project().mode(), quint64(Shape));
        QVERIFY(delegate.customview_Controls_Shape && delegate.customview_Controls_Shape->isVisible());

        QTRY_COMPARE(delegate.project().photos().size(), 1);
        QTRY_VERIFY(!delegate.isLoadingPhotos()); // the row comes first, its picture from a worker
        QCOMPARE(delegate.project().photos()[0]->sName, QString("Lake.JPG"));
        QCOMPARE(delegate.project().photos()[0]->image.size(), QSize(64, 48));
        QCOMPARE(delegate.tablePhotos->model()->rowCount(), 1);
        QTRY_COMPARE(delegate.project().selectedIndex(), 0);
        QVERIFY(!exitStatus);
    }
};

QTEST_MAIN(EndToEndTest)
#include "tst_end_to_end.moc"
