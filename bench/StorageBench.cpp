// The entry list file: opening the window with a big xml.dat, saving it on close, and the
// memory the process needs with fifty thousand entries loaded.

#include <chrono>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

#include <sys/resource.h>

#include "BenchRegistry.h"
#include "BenchWindow.h"
#include "entries/EntryStore.h"
#include "storage/EntryListFile.h"
#include "storage/LocalFile.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void WriteEntryList(int entries) {
    EntryStore store;
    store.Reserve(entries);
    for (int i = 0; i < entries; ++i) {
        store.Insert(0, SitemapEntry{BenchWindow::Url(i), "2026-12-11", "0.5", "weekly "});
    }
    const std::string name(EntryListFile::kFileName);
    if (!LocalFile::Replace(name, EntryListFile::Text(store)).ok) {
        throw std::runtime_error("cannot write " + name);
    }
}

// Starts a new peak of the resident set from the present size (Linux); false if not possible.
bool ResetPeakMemory() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return clear.good();
}

// The peak resident set in MB since the last reset (or since the process began).
double PeakMemoryMb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

double OpenWithEntryList(int entries) {
    BenchWindow bench;
    WriteEntryList(entries);
    const bool peakReset = ResetPeakMemory();
    const Clock::time_point start = Clock::now();
    CSitemapDlg& dlg = bench.Open();
    const double seconds = Seconds(start);
    static bool reported = false;
    if (entries == 50000 && !reported) {
        reported = true;
        std::printf("%-58s %8d %9.1f MB%s\n", "storage: peak memory of the process, entries loaded",
                    dlg.m_listEntries.GetItemCount(), PeakMemoryMb(),
                    peakReset ? "" : " (whole run)");
    }
    return seconds;
}

double CloseWithEntries(int entries) {
    BenchWindow bench;
    WriteEntryList(entries);
    bench.Open();
    const Clock::time_point start = Clock::now();
    bench.Close();
    return Seconds(start);
}

double SaveEntries(int entries) {
    BenchWindow bench;
    WriteEntryList(entries);
    CSitemapDlg& dlg = bench.Open();
    const Clock::time_point start = Clock::now();
    dlg.SaveEntryList();
    return Seconds(start);
}

const bool registeredOpen = BenchRegistry::Add(
    {"storage: window ready with an N-entry xml.dat", {1000, 10000, 50000}, OpenWithEntryList});
const bool registeredClose =
    BenchRegistry::Add({"storage: close the window with N entries (save included)",
                        {1000, 10000, 50000},
                        CloseWithEntries});
const bool registeredSave =
    BenchRegistry::Add({"storage: save N entries to xml.dat", {1000, 10000, 50000}, SaveEntries});

} // namespace
