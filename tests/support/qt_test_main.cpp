// The gtest entry of every test executable: one QApplication on the offscreen platform.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // Qt WebEngine shares its graphics context with the application's; set before the application.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Listing tests must not need a display or a running application.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wertan PHP"));
    return RUN_ALL_TESTS();
}
