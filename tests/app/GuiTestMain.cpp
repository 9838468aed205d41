#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/TessarkApp.h"

// Listing the tests needs no display: test discovery runs the binary at build time.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QApplication application(argc, argv);
    tessark::SetSettingsKey();
    // Every test process gets its own settings store, so tests running side by side never share one.
    QTemporaryDir settingsDirectory;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDirectory.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDirectory.path());
    return RUN_ALL_TESTS();
}
