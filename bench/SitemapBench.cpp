// The Generate command on a full table, against the floor of writing the same bytes to a file
// in one write call (and that write made durable, as the command's safe replace does).

#include <chrono>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "BenchRegistry.h"
#include "BenchWindow.h"
#include "app/toolkit/FileOpener.h"
#include "entries/SitemapEntry.h"
#include "sitemap/SitemapDocument.h"

namespace {

using Clock = std::chrono::steady_clock;

// The benchmark answers Yes to the question; nothing is to be opened on the desktop.
class IgnoringOpener final : public FileOpener {
public:
    IgnoringOpener() { Install(this); }
    ~IgnoringOpener() override { Install(nullptr); }
    void Open(const std::string&) override {}
};

SitemapEntry Row(int i) {
    return {BenchWindow::Url(i), "2026-12-11", "0.5", "weekly "};
}

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double GenerateCommand(int rows) {
    BenchWindow bench;
    CSitemapDlg& dlg = bench.Open();
    CListCtrl& list = dlg.m_listEntries;
    list.SetRedraw(false);
    for (int i = 0; i < rows; ++i) {
        list.InsertRow(0, Row(i));
    }
    list.SetRedraw(true);
    IgnoringOpener opener;
    const auto start = Clock::now();
    dlg.OnButtonGenerate();
    return Seconds(start);
}

// The bytes the command writes, put into a file with a single write.
double OneWrite(int rows, bool durable) {
    std::vector<SitemapEntry> entries;
    entries.reserve(static_cast<std::size_t>(rows));
    for (int i = rows - 1; i >= 0; --i) {
        entries.push_back(Row(i));
    }
    const std::string bytes = SitemapDocument::Build(entries, SitemapDocument::LineEnd::kCrLf);
    BenchWindow bench; // only for its temporary working directory
    const auto start = Clock::now();
    const int fd = open("sitemap.xml", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0 || write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
        (durable && fsync(fd) != 0) || close(fd) != 0) {
        throw std::runtime_error("cannot write the floor file");
    }
    return Seconds(start);
}

const bool registeredCommand = BenchRegistry::Add(
    {"sitemap: Generate N entries (build, safe replace)", {1000, 10000, 50000}, GenerateCommand});
const bool registeredFloor = BenchRegistry::Add({"sitemap: floor, the same bytes in one write",
                                                 {1000, 10000, 50000},
                                                 [](int rows) { return OneWrite(rows, false); }});
const bool registeredDurableFloor =
    BenchRegistry::Add({"sitemap: floor, one write and fsync", {1000, 10000, 50000}, [](int rows) {
                            return OneWrite(rows, true);
                        }});

} // namespace
