// Runs the window tests inside one QApplication on the offscreen platform, checking the
// accessible names of every window a test shows.
#include "WindowAudit.h"

#include "ui/ProgramStyle.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Also when the tests are listed by CTest, which sets no environment for that.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vak::InstallProgramStyle(app);
    vak::test::AuditWindowsAsTheyAreShown(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
