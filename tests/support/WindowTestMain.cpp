#include <cstdlib>
#include <string>

#include <QApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <stdlib.h>

namespace {

QtMessageHandler g_previousHandler = nullptr;

void FilterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    // The offscreen platform says these of what it cannot do; they mean nothing here.
    if (message.contains(QStringLiteral("propagateSizeHints")) ||
        message.startsWith(QStringLiteral("This plugin does not support"))) {
        return;
    }
    if (g_previousHandler != nullptr) {
        g_previousHandler(type, context, message);
    }
}

} // namespace

// The main of every window test program: real widgets on Qt's offscreen platform.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::string runtimeDir = "/tmp/querndale-xdg-XXXXXX";
    if (mkdtemp(runtimeDir.data()) != nullptr) {
        setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 1);
    }
    g_previousHandler = qInstallMessageHandler(FilterMessages);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Querndale"));
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    std::string cleanup = "rm -rf '" + runtimeDir + "'";
    [[maybe_unused]] const int ignored = std::system(cleanup.c_str());
    return result;
}
