#include <QCoreApplication>
#include <gtest/gtest.h>

// Tests of the data layer need no window system.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
