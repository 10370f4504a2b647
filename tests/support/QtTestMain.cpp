// gtest main for suites that use Qt: the SQL drivers are plugins, loaded only once a
// QCoreApplication exists.

#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
