#include "app/HelpPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>

std::string HelpPage::Location() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString candidates[] = {
        programDir.filePath(QStringLiteral("help/index.html")),
        // The test and benchmark programs of the build tree sit one folder further down.
        programDir.filePath(QStringLiteral("../help/index.html")),
        programDir.filePath(QStringLiteral("../share/querndale/help/index.html")),
    };
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(candidate)) {
            return QFileInfo(candidate).canonicalFilePath().toStdString();
        }
    }
    return candidates[0].toStdString();
}
