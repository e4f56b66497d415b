#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <vector>

namespace bench {

// One program start: which program, its arguments, its current folder and environment.
struct Program {
    QString path;
    QStringList args;
    QString folder;
    QProcessEnvironment env;
};

struct Sample {
    double ms = 0;     // start until the process has ended
    double peakMB = 0; // peak resident memory, in MB of a million bytes
};

struct Paired {
    std::vector<Sample> a, b;
    QString error;
    double medianMs(const std::vector<Sample>& s) const;
    double medianPeakMB(const std::vector<Sample>& s) const;
};

// Starts `a` and `b` alternately (after one unmeasured start of each), `runs` times each, through
// the small starter `runner` (qel-bench-run). Stops at the first start that fails.
Paired interleave(const QString& runner, const Program& a, const Program& b, int runs);

} // namespace bench
