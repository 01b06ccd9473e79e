#include "app/toolkit/FileOpener.h"

#include "app/toolkit/DesktopFileOpener.h"

namespace {
FileOpener* g_installed = nullptr;
} // namespace

FileOpener& FileOpener::Current() {
    static DesktopFileOpener desktop;
    return g_installed != nullptr ? *g_installed : desktop;
}

void FileOpener::Install(FileOpener* opener) {
    g_installed = opener;
}
