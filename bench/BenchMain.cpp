// The benchmark driver: runs every registered measure against the real main window on Qt's
// offscreen platform and prints the median of several runs per size.
//
//   querndale_bench [--runs N] [--filter TEXT]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <QApplication>
#include <QtGlobal>

#include "BenchRegistry.h"
#include "app/toolkit/MessagePresenter.h"
#include "res/Resources.h"

#include <stdlib.h>

namespace {

// Benchmarks answer every box without showing it.
class SilentPresenter final : public MessagePresenter {
public:
    int Show(QWidget*, const MessageRequest& request) override {
        return request.buttons == MessageButtons::YesNo ? IDYES : IDANSWER_OK;
    }
};

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    int runs = 5;
    std::string filter;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--filter") == 0 && i + 1 < argc) {
            filter = argv[++i];
        }
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::string runtimeDir = "/tmp/querndale-bench-xdg-XXXXXX";
    if (mkdtemp(runtimeDir.data()) != nullptr) {
        setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 1);
    }
    qInstallMessageHandler(Quiet);
    QApplication application(argc, argv);
    SilentPresenter presenter;
    MessagePresenter::Install(&presenter);

    std::printf("%-58s %8s %12s\n", "measure", "rows", "median ms");
    for (const BenchRegistry::Measure& measure : BenchRegistry::All()) {
        if (!filter.empty() && measure.name.find(filter) == std::string::npos) {
            continue;
        }
        std::map<int, double> medians;
        for (int size : measure.sizes) {
            std::vector<double> seconds;
            for (int run = 0; run < runs; ++run) {
                seconds.push_back(measure.run(size));
            }
            medians[size] = Median(seconds);
            std::printf("%-58s %8d %12.3f\n", measure.name.c_str(), size, medians[size] * 1000.0);
            std::fflush(stdout);
        }
        if (medians.count(10000) != 0 && medians.count(50000) != 0 && medians[10000] > 0) {
            std::printf("%-58s %8s %11.2fx\n", (measure.name + ": growth 10k to 50k").c_str(), "",
                        medians[50000] / medians[10000]);
        }
    }
    MessagePresenter::Install(nullptr);
    return 0;
}
