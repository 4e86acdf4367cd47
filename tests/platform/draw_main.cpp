#include <gtest/gtest.h>
#include <QGuiApplication>

// The drawing tests need a GUI application for fonts and windows, but no
// display: they run on Qt's offscreen platform.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
