// GUI tests share one QApplication; each test installs its own scripted dialogs.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Offscreen always, also when the build lists the tests: no test may need a desktop.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
