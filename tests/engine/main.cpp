// Engine tests need a QGuiApplication for fonts and image plugins; no display.
#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QUILLANE_PHOTOS"))
        qputenv("QUILLANE_PHOTOS", QUILLANE_PHOTOS_DIR);
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
