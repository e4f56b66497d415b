#include "stats.h"

#include <algorithm>
#include <cstdio>

namespace bench {

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

void print(const Figure& f)
{
    if (!f.error.isEmpty()) {
        std::printf("%-36s FAILED: %s\n", qPrintable(f.name), qPrintable(f.error));
    } else if (f.informational) {
        std::printf("%-36s median %8.2f %-2s  floor %8.2f %-2s  ratio %5.2f  (for information; "
                    "floor: %s)\n",
                    qPrintable(f.name), f.value, qPrintable(f.unit), f.floor, qPrintable(f.unit),
                    f.ratio(), qPrintable(f.floorWhat));
    } else {
        std::printf("%-36s median %8.2f %-2s  floor %8.2f %-2s  ratio %5.2f  budget %4.2f  %-4s "
                    " (floor: %s)\n",
                    qPrintable(f.name), f.value, qPrintable(f.unit), f.floor, qPrintable(f.unit),
                    f.ratio(), f.budget, f.ok() ? "ok" : "OVER", qPrintable(f.floorWhat));
    }
    std::fflush(stdout);
}

} // namespace bench
