#include "processbench.h"

#include "stats.h"

#include <QProcess>

namespace bench {

namespace {

bool runOnce(const QString& runner, const Program& p, Sample& sample, QString& error)
{
    QProcess process;
    process.setProgram(runner);
    process.setArguments(QStringList{QStringLiteral("60"), p.path} + p.args);
    process.setWorkingDirectory(p.folder);
    process.setProcessEnvironment(p.env);
    process.start();
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        error = QStringLiteral("%1 could not be run: %2").arg(p.path, process.errorString());
        return false;
    }
    const QStringList fields = QString::fromLocal8Bit(process.readAllStandardOutput())
                                   .simplified()
                                   .split(QLatin1Char(' '));
    if (fields.size() != 3 || fields[0] != QLatin1String("0")) {
        error = QStringLiteral("%1 %2 ended with status %3 in %4: %5")
                    .arg(p.path, p.args.join(QLatin1Char(' ')), fields.value(0), p.folder,
                         QString::fromLocal8Bit(process.readAllStandardError()).left(800));
        return false;
    }
    sample.ms = fields[1].toDouble() / 1000.0;
    sample.peakMB = fields[2].toDouble() * 1024.0 / 1e6; // kB to MB
    return true;
}

std::vector<double> pick(const std::vector<Sample>& samples, double Sample::*what)
{
    std::vector<double> values;
    for (const Sample& s : samples)
        values.push_back(s.*what);
    return values;
}

} // namespace

double Paired::medianMs(const std::vector<Sample>& s) const
{
    return median(pick(s, &Sample::ms));
}

double Paired::medianPeakMB(const std::vector<Sample>& s) const
{
    return median(pick(s, &Sample::peakMB));
}

Paired interleave(const QString& runner, const Program& a, const Program& b, int runs)
{
    Paired result;
    Sample sample;
    // Unmeasured first starts: libraries, fonts and folders into the page cache for both.
    if (!runOnce(runner, a, sample, result.error) || !runOnce(runner, b, sample, result.error))
        return result;
    for (int i = 0; i < runs; ++i) {
        if (!runOnce(runner, a, sample, result.error))
            return result;
        result.a.push_back(sample);
        if (!runOnce(runner, b, sample, result.error))
            return result;
        result.b.push_back(sample);
    }
    return result;
}

} // namespace bench
