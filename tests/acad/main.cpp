// The drawing layer's tests run under the regional settings of their
// environment, as the program does: its application object takes the C
// runtime's locale from the environment, and so does this one.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
