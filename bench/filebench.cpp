#include "filebench.h"

#include "autosave.h"
#include "bmp.h"
#include "fullphoto.h"
#include "safefile.h"
#include "scenariofile.h"

#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <cstdio>
#include <functional>
#include <tuple>

#include <unistd.h>

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsOf(const std::function<QString()>& step, QString& error)
{
    const auto start = Clock::now();
    const QString problem = step();
    const auto end = Clock::now();
    if (!problem.isEmpty() && error.isEmpty())
        error = problem;
    return std::chrono::duration<double, std::milli>(end - start).count();
}

// A B A B … (or A B C A B C …): every side sees the same load on the machine. The medians, in
// the order of `steps`, after one unmeasured round.
std::vector<double> interleave(int runs, const std::vector<std::function<QString()>>& steps,
                               QString& error)
{
    std::vector<std::vector<double>> times(steps.size());
    for (const auto& step : steps)
        millisecondsOf(step, error); // first allocation of the files, page cache
    for (int i = 0; i < runs && error.isEmpty(); ++i) {
        for (size_t k = 0; k < steps.size(); ++k)
            times[k].push_back(millisecondsOf(steps[k], error));
    }
    std::vector<double> medians;
    for (const auto& t : times)
        medians.push_back(median(t));
    return medians;
}

// One write of all the bytes to a temporary file, renamed over the target: the least any
// replacement of the file by renaming can do. With `flush`, the bytes are on the disk before the
// rename, so that a power cut leaves the old file or the new one, never a half-written one.
QString writeAndRename(const QString& temporary, const QString& target, const QByteArray& bytes,
                       bool flush = false)
{
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        return QStringLiteral("floor: cannot write %1").arg(temporary);
    if (flush && ::fdatasync(file.handle()) != 0)
        return QStringLiteral("floor: cannot flush %1").arg(temporary);
    file.close();
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(target).constData()) != 0)
        return QStringLiteral("floor: cannot rename %1").arg(temporary);
    return {};
}

} // namespace

QList<Figure> fullSizeSave(const QDir& work, const QImage& capture, int runs)
{
    Figure f;
    f.name =
        QStringLiteral("full-size photo save %1x%2").arg(capture.width()).arg(capture.height());
    f.unit = QStringLiteral("ms");
    const QByteArray bytes = qel::photo::bmp::encode(capture);
    f.floorWhat = QStringLiteral("one write of %1 bytes to a temporary file + flush to disk + "
                                 "rename")
                      .arg(bytes.size());
    Figure unflushed = f;
    unflushed.name = QStringLiteral("  against a floor not flushed to disk");
    unflushed.floorWhat = QStringLiteral("the same write + rename, without the flush");
    unflushed.informational = true;

    const QString target = work.filePath(QStringLiteral("photo.bmp"));
    const QString floorTarget = work.filePath(QStringLiteral("floor.bmp"));
    const QString floorTemp = work.filePath(QStringLiteral("floor.tmp"));
    QString error;
    const std::vector<double> m =
        interleave(runs,
                   {[&] { return qel::photo::bmp::save(target, capture); },
                    [&] { return writeAndRename(floorTemp, floorTarget, bytes, true); },
                    [&] { return writeAndRename(floorTemp, floorTarget, bytes); }},
                   error);
    if (error.isEmpty() && QFile(target).size() != bytes.size())
        error = QStringLiteral("the saved photo has the wrong size");
    f.error = unflushed.error = error;
    f.value = unflushed.value = m[0];
    f.floor = m[1];
    unflushed.floor = m[2];
    // Qt's own safe file, which keeps what the user's file is (links, owner, access list), on any
    // disk: a difference a user cannot tell in wall time.
    f.budget = 1.3;
    QFile::remove(target);
    QFile::remove(floorTarget);
    return {f, unflushed};
}

QList<Figure> fullSizeFormats(const QDir& work, const QImage& capture, int runs)
{
    using qel::photo::fullphoto::Format;
    const QString bitmap = work.filePath(QStringLiteral("photo.bmp"));
    const QString png = work.filePath(QStringLiteral("photo.png"));
    const QString jpeg = work.filePath(QStringLiteral("photo.jpg"));
    const auto save = [&capture](const QString& path, Format format) {
        return
            [&capture, path, format] { return qel::photo::fullphoto::save(path, capture, format); };
    };
    QString error;
    const std::vector<double> m = interleave(
        runs, {save(bitmap, Format::bitmap), save(png, Format::png), save(jpeg, Format::jpeg)},
        error);
    QList<Figure> figures;
    for (const auto& [name, path, median] :
         {std::tuple{"PNG", png, m[1]}, std::tuple{"JPEG", jpeg, m[2]}}) {
        Figure f;
        f.name = QStringLiteral("  the same as %1").arg(QLatin1String(name));
        f.unit = QStringLiteral("ms");
        f.informational = true;
        f.error = error;
        f.value = median;
        f.floor = m[0];
        f.floorWhat = QStringLiteral("the bitmap save; files %1 bytes against %2")
                          .arg(QFileInfo(path).size())
                          .arg(QFileInfo(bitmap).size());
        figures << f;
    }
    for (const QString& path : {bitmap, png, jpeg})
        QFile::remove(path);
    return figures;
}

Figure autoSaveFullHistory(const QDir& work, const QImage& capture, int runs)
{
    Figure f;
    f.name = QStringLiteral("AutoSave with a full history");
    f.floorWhat = QStringLiteral("one full-size save of the same capture");
    f.budget = 1.2;
    work.mkpath(QStringLiteral("history"));
    const QDir history(work.filePath(QStringLiteral("history")));
    const QByteArray bytes = qel::photo::bmp::encode(capture);
    for (int n = 1; n <= qel::photo::autosave::historySize; ++n) {
        QFile file(history.filePath(qel::photo::autosave::numberedName(n)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            f.error = QStringLiteral("cannot prepare the numbered photos");
            return f;
        }
    }
    const QString single = work.filePath(QStringLiteral("single.bmp"));
    const std::vector<double> m =
        interleave(runs,
                   {[&] { return qel::photo::autosave::save(history, capture).error; },
                    [&] { return qel::photo::bmp::save(single, capture); }},
                   f.error);
    f.value = m[0];
    f.floor = m[1];
    f.unit = QStringLiteral("ms");
    // Every press must have kept the history full: ten photos, nothing else.
    if (f.error.isEmpty() &&
        history.entryList(QDir::Files).size() != qel::photo::autosave::historySize)
        f.error = QStringLiteral("the history does not hold ten photos afterwards");
    QDir(history).removeRecursively();
    QFile::remove(single);
    return f;
}

QList<Figure> scenarioRoundTrip(const QDir& work, int runs)
{
    Figure f;
    f.name = QStringLiteral("scenario round trip");
    f.budget = 1.3;
    f.unit = QStringLiteral("ms");
    qel::Scenario fields;
    fields.description = QStringLiteral("Low clouds over Seattle, gray overcast, summer ground.");
    fields.fileName = QStringLiteral("seattle.qel");
    fields.appletFlag = QStringLiteral("app");
    fields.picture = QStringLiteral("seattle.bmp");
    fields.flight = QStringLiteral("Seattle Rain.stn");
    fields.cloudStyle = QStringLiteral("OG");
    fields.groundTexture = QStringLiteral("FSUM");
    fields.cloudSet = QStringLiteral("SET2");
    const QString path = work.filePath(fields.fileName);
    const QByteArray bytes = qel::scenario::encode(fields).bytes;
    f.floorWhat =
        QStringLiteral("one write of the same %1 bytes + flush to disk + rename").arg(bytes.size());

    const auto roundTrip = [&]() -> QString {
        const qel::scenario::Encoded encoded = qel::scenario::encode(fields);
        if (!encoded.error.isEmpty())
            return encoded.error;
        if (QString reason = qel::files::replaceFile(path, encoded.bytes); !reason.isEmpty())
            return reason;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return file.errorString();
        const qel::scenario::Decoded decoded = qel::scenario::decode(file.readAll());
        if (!decoded.error.isEmpty())
            return decoded.error;
        const qel::Scenario& back = decoded.scenario;
        if (back.flight != fields.flight || back.description != fields.description ||
            back.cloudSet != fields.cloudSet || back.picture != fields.picture)
            return QStringLiteral("the fields read back differ from those written");
        return {};
    };
    const QString flushTarget = work.filePath(QStringLiteral("flush.qel"));
    const QString flushTemp = work.filePath(QStringLiteral("flush.tmp"));
    const std::vector<double> m = interleave(
        runs, {roundTrip, [&] { return writeAndRename(flushTemp, flushTarget, bytes, true); }},
        f.error);
    f.value = m[0];
    f.floor = m[1];
    QFile::remove(path);
    QFile::remove(flushTarget);
    return {f};
}

} // namespace bench
