#include <QApplication>
#include <QIcon>

#include "app/CSitemapApp.h"
#include "res/Resources.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/querndale/icons/querndale-256.png")));
    CSitemapApp app;
    return app.InitInstance();
}
