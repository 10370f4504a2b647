#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // No display needed: the views run on the offscreen platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
