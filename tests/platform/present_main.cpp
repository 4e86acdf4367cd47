#include <gtest/gtest.h>
#include <QGuiApplication>

// The presents past Qt's backing store need a real X server: these tests run
// on Qt's X11 platform, on the virtual display that CTest starts for them.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
