// main() for GoogleTest programs that need a QApplication (clipboard,
// fonts, widgets, image plugins). Link the object library
// tessaro_gtest_qt_main; it takes the place of GoogleTest's own main.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Test discovery runs the program during the build, without the tests'
    // environment and often without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
