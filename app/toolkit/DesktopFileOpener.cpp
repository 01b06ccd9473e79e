#include "app/toolkit/DesktopFileOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QString>
#include <QUrl>

void DesktopFileOpener::Open(const std::string& target) {
    const QString text = QString::fromStdString(target);
    const QUrl asUrl(text);
    // A bare name or a path is a local file; anything with a scheme is an address.
    if (asUrl.scheme().size() > 1) {
        QDesktopServices::openUrl(asUrl);
    } else {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath()));
    }
}
