// The window tests run with a real QApplication on the offscreen platform.

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // Journals, settings and saved work of the windows under test stay out of the user's
    // folders: the tests have a home of their own.
    QTemporaryDir state, home;
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    qputenv("HOME", home.path().toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
