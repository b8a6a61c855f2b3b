// The window's tests run under a QApplication. Without a platform named in
// QT_QPA_PLATFORM they run headless; the tests named Display* draw and need
// an X server (CTest runs them under xvfb-run), so other platforms leave
// them out.
#include <QApplication>

#include <gtest/gtest.h>

#include <string>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::string filter = GTEST_FLAG_GET(filter);
        filter += filter.find('-') == std::string::npos ? "-Display*" : ":Display*";
        GTEST_FLAG_SET(filter, filter);
    }
    return RUN_ALL_TESTS();
}
