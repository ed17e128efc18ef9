#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef TARVOLT_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char** argv)
{
    // Tests never need a display: fonts, palette and images work on the offscreen platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // What the programs keep in the user's data folder (the records of what was sent to a panel)
    // goes to a folder of the run's own, here and in the programs the tests start.
    const QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
