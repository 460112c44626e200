#pragma once

// A generated installed system in the package cache format, as the rpm or
// dpkg-query query prints it: the input of the benchmarks that read installed
// packages.
#include <random>
#include <string>
#include <vector>

namespace generated {

constexpr int packageCount = 3000;
constexpr int provideCount = 80000;
constexpr int requireCount = 40000;

// A system of `packageCount` packages with `provideCount` provides (a quarter of
// them files with their mode and digest) and `requireCount` requirements, spread
// unevenly over the packages as on a real system.
inline std::string generateCache(bool debian)
{
    std::mt19937 random(20250611);
    std::vector<int> provides(packageCount, 0);
    std::vector<int> requirements(packageCount, 0);
    // A tenth of the packages carry half of the entries.
    const auto pick = [&random] {
        return static_cast<int>(random() % 2 ? random() % (packageCount / 10) : random() % packageCount);
    };
    for (int i = 0; i < provideCount; ++i) ++provides[pick()];
    for (int i = 0; i < requireCount; ++i) ++requirements[pick()];

    std::string text;
    text.reserve(16 * 1024 * 1024);
    for (int p = 0; p < packageCount; ++p) {
        const std::string name = "package-" + std::to_string(p) + (p % 3 ? "-libs" : "");
        const std::string version = std::to_string(1 + p % 9) + "." + std::to_string(p % 31) + "." + std::to_string(p % 7);
        const std::string release = debian ? std::to_string(1 + p % 4) + "+deb12u" + std::to_string(p % 3)
                                           : std::to_string(1 + p % 40) + ".el9_" + std::to_string(p % 5);
        if (debian) {
            text += "F:" + name + "_installed.deb\nN:" + name + "\nV:" + (p % 10 == 0 ? "1:" : "") + version + "-" +
                    release + "\nA:amd64\n";
        } else {
            text += "F:system_installed_" + name + "-" + version + "-" + release + ".x86_64.rpm\nN:" + name + "\n";
            text += p % 10 == 0 ? "E:1\n" : "E:(none)\n";
            text += "V:" + version + "\nL:" + release + "\nA:x86_64\nf:1700000" + std::to_string(p) +
                    "\nB:1650000" + std::to_string(p) + "\n";
        }
        for (int r = 0; r < requirements[p]; ++r) {
            const int target = static_cast<int>(random() % packageCount);
            switch (r % 4) {
            case 0: text += "R:/bin/sh\n"; break;
            case 1: text += "R:libdep" + std::to_string(target) + ".so.6()(64bit)\n"; break;
            case 2:
                text += debian ? "R:package-" + std::to_string(target) + " (>= 1." + std::to_string(r) + ")\n"
                               : "R:package-" + std::to_string(target) + " >= 1." + std::to_string(r) + "\n";
                break;
            default: text += "R:capability-" + std::to_string(target) + "\n"; break;
            }
        }
        for (int v = 0; v < provides[p]; ++v) {
            if (v % 4 == 3) {
                text += "P:/usr/share/" + name + "/file-" + std::to_string(v) + "\nm:33188\n5:";
                for (int d = 0; d < 32; ++d) text += "0123456789abcdef"[random() % 16];
                text += "\n";
            } else if (v % 4 == 1) {
                text += debian ? "P:" + name + "-api" + std::to_string(v) + " (= " + version + ")\n"
                               : "P:" + name + "(x86-" + std::to_string(v) + ") = " + version + "-" + release + "\n";
            } else {
                text += "P:libdep" + std::to_string(p * 31 + v) + ".so.6()(64bit)\n";
            }
        }
        text += "X:\n";
    }
    return text;
}

}  // namespace generated
