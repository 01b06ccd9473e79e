#pragma once

#include <functional>
#include <string>
#include <vector>

// The measures of the benchmark driver. Each measure runs once per size and returns the seconds
// that its measured part took; the driver repeats it and reports the median.
class BenchRegistry {
public:
    struct Measure {
        std::string name;
        std::vector<int> sizes;
        std::function<double(int size)> run;
    };

    static std::vector<Measure>& All();
    // Adds a measure; returns true so it can initialise a static.
    static bool Add(Measure measure);
};
