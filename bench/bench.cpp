// The benchmark driver. Every figure is a median over several runs, compared with a floor measured
// in the same run, alternately with it (A B A B …), and printed as a ratio against its budget.
//
//   qel-bench [FIGURE...]     FIGURE: startup flights clipboard saves scenario (default: all)
//                                     windows (only when asked: QEL_BENCH_WINDOWS names the folder
//                                     of the programs built for Windows; run under Wine)
//
// QEL_BENCH_RUNS sets the runs per figure (default 21), QEL_BENCH_DIR the folder the files are
// written in (default: the temporary folder). Figure "clipboard" needs an X display
// (scripts/bench provides one with xvfb-run). Exits non-zero when a figure is over its budget or
// could not be measured.
#include "capture.h"
#include "census.h"
#include "filebench.h"
#include "processbench.h"
#include "stats.h"

#include "editorwindow.h"
#include "photowindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

using bench::Figure;
using bench::Program;

// Start-up against the minimal window with the same widgets, on Linux and under Wine alike.
constexpr double editorStartupBudget = 1.15;
constexpr double photoStartupBudget = 1.3;

struct Setup {
    QString bin;    // where the programs are
    QString runner; // qel-bench-run
    QString small;  // a simulator folder with 10 saved flights
    QString large;  // … with 20,000
    QStringList editorCensus;
    QStringList photoCensus;
    QProcessEnvironment offscreen;
    int runs = 21;
};

bool makeSimulatorFolder(const QString& path, int flights)
{
    QDir root;
    if (!root.mkpath(path + QStringLiteral("/pilots")) ||
        !root.mkpath(path + QStringLiteral("/qel")))
        return false;
    for (int i = 0; i < flights; ++i) {
        // Mixed letter case, as folders copied from Windows have.
        QFile file(QStringLiteral("%1/pilots/%2 %3.%4")
                       .arg(path, i % 3 ? QStringLiteral("Flight") : QStringLiteral("APPROACH"))
                       .arg(i, 5, 10, QLatin1Char('0'))
                       .arg(i % 7 ? QStringLiteral("stn") : QStringLiteral("STN")));
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    return true;
}

QString program(const Setup& s, const char* name)
{
    return s.bin + QLatin1Char('/') + QLatin1String(name);
}

// Figures 1 and 2 for one program: start-up time and peak memory against the minimal program
// with the same widgets.
void startup(const Setup& s, const char* name, const QStringList& census, QList<Figure>& out)
{
    Figure time;
    time.name = QStringLiteral("start-up %1").arg(QLatin1String(name));
    time.floorWhat =
        QStringLiteral("minimal Qt Widgets window, %1 widgets").arg(bench::widgetCount(census));
    time.budget =
        QLatin1String(name) == QLatin1String("QELedit") ? editorStartupBudget : photoStartupBudget;
    time.unit = QStringLiteral("ms");
    Figure memory = time;
    memory.name = QStringLiteral("peak memory %1").arg(QLatin1String(name));
    memory.budget = 1.2;
    memory.unit = QStringLiteral("MB");

    const Program measured{program(s, name), {}, s.small, s.offscreen};
    const Program minimal{program(s, "qel-bench-minimal"), census, s.small, s.offscreen};
    const bench::Paired p = bench::interleave(s.runner, measured, minimal, s.runs);
    time.error = memory.error = p.error;
    time.value = p.medianMs(p.a);
    time.floor = p.medianMs(p.b);
    memory.value = p.medianPeakMB(p.a);
    memory.floor = p.medianPeakMB(p.b);
    bench::print(time);
    bench::print(memory);
    out << time << memory;
}

// Figure 3: the editor over a pilots folder of 20,000 saved flights against one of 10.
void flights(const Setup& s, QList<Figure>& out)
{
    Figure f;
    f.name = QStringLiteral("start-up QELedit, 20000 flights");
    f.floorWhat = QStringLiteral("QELedit with 10 flights");
    f.budget = 1.5;
    f.unit = QStringLiteral("ms");
    const Program large{program(s, "QELedit"), {}, s.large, s.offscreen};
    const Program small{program(s, "QELedit"), {}, s.small, s.offscreen};
    const bench::Paired p = bench::interleave(s.runner, large, small, s.runs);
    f.error = p.error;
    f.value = p.medianMs(p.a);
    f.floor = p.medianMs(p.b);
    bench::print(f);
    out << f;
}

// Figure 6: the photo tool's peak memory with a full-screen capture on a real X clipboard, owned
// by xclip, above that of the minimal program on the same display.
void clipboardMemory(const Setup& s, const QString& work, QList<Figure>& out)
{
    const QImage capture = bench::screenCapture();
    const double captureMB = capture.sizeInBytes() / 1e6;
    Figure f;
    f.name = QStringLiteral("memory qelphoto with %1x%2 capture")
                 .arg(capture.width())
                 .arg(capture.height());
    f.floorWhat = QStringLiteral("the capture's own size; measured: peak above the minimal "
                                 "program's, both on X");
    f.budget = 1.5;
    f.unit = QStringLiteral("MB");
    f.floor = captureMB;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        f.error = QStringLiteral("needs an X display (scripts/bench runs it under xvfb-run)");
        bench::print(f);
        out << f;
        return;
    }
    const QString png = work + QStringLiteral("/capture.png");
    if (!capture.save(png, "PNG")) {
        f.error = QStringLiteral("cannot write %1").arg(png);
        bench::print(f);
        out << f;
        return;
    }
    QProcess owner;
    owner.start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                                          QStringLiteral("clipboard"), QStringLiteral("-t"),
                                          QStringLiteral("image/png"), QStringLiteral("-i"), png});
    bool owned = false;
    for (int i = 0; i < 50 && !owned && owner.state() != QProcess::NotRunning; ++i) {
        QProcess probe;
        probe.start(QStringLiteral("xclip"),
                    {QStringLiteral("-o"), QStringLiteral("-selection"),
                     QStringLiteral("clipboard"), QStringLiteral("-t"), QStringLiteral("TARGETS")});
        probe.waitForFinished(5000);
        owned = probe.readAllStandardOutput().contains("image/png");
        if (!owned)
            QThread::msleep(100);
    }
    if (!owned) {
        f.error = QStringLiteral("xclip did not take the clipboard");
    } else {
        QProcessEnvironment x = s.offscreen;
        x.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        const Program photo{program(s, "qelphoto"), {}, s.small, x};
        const Program minimal{program(s, "qel-bench-minimal"), s.photoCensus, s.small, x};
        const bench::Paired p = bench::interleave(s.runner, photo, minimal, s.runs);
        f.error = p.error;
        f.value = p.medianPeakMB(p.a) - p.medianPeakMB(p.b);
        // A figure far under the capture's size means the capture never arrived.
        if (f.error.isEmpty() && f.value < 0.9 * captureMB)
            f.error = QStringLiteral("qelphoto's peak is only %1 MB above the minimal program's: "
                                     "the capture did not reach it")
                          .arg(f.value, 0, 'f', 1);
    }
    if (owner.state() != QProcess::NotRunning) {
        owner.kill();
        owner.waitForFinished(5000);
    }
    bench::print(f);
    out << f;
}

// The Windows section: the programs cross-built for Windows (in `folder`, QEL_BENCH_WINDOWS), each
// started under Wine against the minimal window cross-built with the same Qt, and their sizes
// against its size. For information, the minimal window against a plain Win32 window: what Qt
// itself costs under Wine. Runs inside a Wine session on an X display (scripts/bench sets it up).
void windowsPrograms(const Setup& s, const QString& folder, QList<Figure>& out)
{
    const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QEL_QUIT_WHEN_IDLE"), QStringLiteral("1"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM")); // Windows' own platform plugin
    const auto exe = [&](const char* name, const QStringList& args) {
        const QString path =
            folder + QLatin1Char('/') + QLatin1String(name) + QLatin1String(".exe");
        return Program{wine, QStringList{path} + args, s.small, env};
    };
    const auto size = [&](const char* name) {
        return QFileInfo(folder + QLatin1Char('/') + QLatin1String(name) + QLatin1String(".exe"))
                   .size() /
               1e6;
    };
    struct Measured {
        const char* name;
        QStringList census;
        double budget;
    };
    for (const Measured& m : {Measured{"QELedit", s.editorCensus, editorStartupBudget},
                              Measured{"qelphoto", s.photoCensus, photoStartupBudget}}) {
        Figure time;
        time.name = QStringLiteral("Windows: start-up %1.exe").arg(QLatin1String(m.name));
        time.floorWhat = QStringLiteral("minimal Qt Widgets window .exe, same Qt, under Wine");
        time.budget = m.budget;
        time.unit = QStringLiteral("ms");
        const bench::Paired p = bench::interleave(s.runner, exe(m.name, {}),
                                                  exe("qel-bench-minimal", m.census), s.runs);
        time.error = wine.isEmpty() ? QStringLiteral("no wine") : p.error;
        time.value = p.medianMs(p.a);
        time.floor = p.medianMs(p.b);
        Figure bytes;
        bytes.name = QStringLiteral("Windows: size of %1.exe").arg(QLatin1String(m.name));
        bytes.floorWhat = QStringLiteral("the minimal window .exe");
        bytes.budget = 1.1;
        bytes.unit = QStringLiteral("MB");
        bytes.value = size(m.name);
        bytes.floor = size("qel-bench-minimal");
        out << time << bytes;
        bench::print(time);
        bench::print(bytes);
    }
    Figure qt;
    qt.name = QStringLiteral("  minimal Qt window against Win32");
    qt.floorWhat = QStringLiteral("a plain Win32 window without Qt, under Wine");
    qt.informational = true;
    qt.unit = QStringLiteral("ms");
    const QStringList windowSize = s.editorCensus.mid(0, 1).value(0).split(QLatin1Char('x'));
    const bench::Paired p = bench::interleave(s.runner, exe("qel-bench-minimal", s.editorCensus),
                                              exe("qel-bench-win32", windowSize), s.runs);
    qt.error = p.error;
    qt.value = p.medianMs(p.a);
    qt.floor = p.medianMs(p.b);
    Figure qtSize = qt;
    qtSize.name = QStringLiteral("  minimal Qt window .exe size");
    qtSize.unit = QStringLiteral("MB");
    qtSize.error.clear();
    qtSize.value = size("qel-bench-minimal");
    qtSize.floor = size("qel-bench-win32");
    qtSize.floorWhat = QStringLiteral("the plain Win32 window .exe");
    out << qt << qtSize;
    bench::print(qt);
    bench::print(qtSize);
}

// The Windows section's AutoSave: a 3840 x 2160 capture left on the Win32 clipboard as "Print
// Screen" leaves it (by qel-bench-clipboard, which stays its owner), AutoSaved by the photo tool
// as a user presses the button in the running tool: from the press until "File Saved!" shows, as
// the program itself times it (QEL_PRESS_TIMES). The floor is a plain Win32 program that reads
// the same bitmap and writes it with flush and rename, start to end. Peak memory is the photo
// tool's above the minimal window's, against the capture's own size.
void windowsAutoSave(const Setup& s, const QString& folder, const QString& work, QList<Figure>& out)
{
    constexpr int width = 3840, height = 2160;
    const double captureMB = width * height * 4 / 1e6;
    const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    const auto exe = [&](const char* name) {
        return folder + QLatin1Char('/') + QLatin1String(name) + QLatin1String(".exe");
    };
    Figure time;
    time.name = QStringLiteral("Windows: AutoSave of a %1x%2 capture").arg(width).arg(height);
    time.floorWhat = QStringLiteral("a plain Win32 program reading CF_DIB, writing with flush "
                                    "and rename, under Wine");
    time.budget = 1.5;
    time.unit = QStringLiteral("ms");
    Figure memory;
    memory.name = QStringLiteral("Windows: memory qelphoto AutoSaving it");
    memory.floorWhat = QStringLiteral("the capture's own size; measured: peak above the minimal "
                                      "window's, both under Wine");
    memory.budget = 2.0;
    memory.unit = QStringLiteral("MB");
    memory.floor = captureMB;

    QProcess owner;
    owner.start(wine, {exe("qel-bench-clipboard"), QStringLiteral("put"), QString::number(width),
                       QString::number(height)});
    const bool ready = owner.waitForReadyRead(60000) && owner.readAll().contains("ready");
    const QString photos = work + QStringLiteral("/autosave");
    QDir().mkpath(photos + QStringLiteral("/qel"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcessEnvironment pressing = env;
    pressing.insert(QStringLiteral("QEL_PRESS_WHEN_IDLE"), QStringLiteral("Command7"));
    const QString timesFile = work + QStringLiteral("/press-times.txt");
    pressing.insert(QStringLiteral("QEL_PRESS_TIMES"), timesFile);
    QProcessEnvironment quitting = env;
    quitting.insert(QStringLiteral("QEL_QUIT_WHEN_IDLE"), QStringLiteral("1"));
    const Program autoSave{wine, {exe("qelphoto")}, photos, pressing};
    const Program floor{
        wine,
        {exe("qel-bench-clipboard"), QStringLiteral("save"), QStringLiteral("floor.bmp")},
        photos,
        env};
    const Program minimal{wine, QStringList{exe("qel-bench-minimal")} + s.photoCensus, photos,
                          quitting};
    if (!ready) {
        time.error = memory.error = QStringLiteral("qel-bench-clipboard put nothing on the "
                                                   "clipboard");
    } else {
        const bench::Paired saving = bench::interleave(s.runner, autoSave, floor, s.runs);
        const bench::Paired starting = bench::interleave(s.runner, minimal, floor, s.runs);
        time.error = memory.error = saving.error.isEmpty() ? starting.error : saving.error;
        QFile times(timesFile);
        std::vector<double> pressed;
        if (times.open(QIODevice::ReadOnly))
            for (const QByteArray& line : times.readAll().split('\n').mid(1)) // after the first
                if (!line.isEmpty())
                    pressed.push_back(line.toDouble());
        time.value = bench::median(pressed);
        time.floor = saving.medianMs(saving.b);
        memory.value = saving.medianPeakMB(saving.a) - starting.medianPeakMB(starting.a);
        // 24 bits a pixel and a 54-byte header: anything else means the button saved nothing.
        const qint64 photo = QFileInfo(photos + QStringLiteral("/1.bmp")).size();
        if (time.error.isEmpty() && photo != 54 + qint64(width) * 3 * height)
            time.error = memory.error = QStringLiteral("AutoSave wrote no 1.bmp of the capture");
    }
    owner.kill();
    owner.waitForFinished(5000);
    out << time << memory;
    bench::print(time);
    bench::print(memory);
}

void saves(const QString& work, int runs, QList<Figure>& out)
{
    const QImage capture = bench::screenCapture();
    const QDir dir(work);
    for (const Figure& f :
         bench::fullSizeSave(dir, capture, runs) + bench::fullSizeFormats(dir, capture, runs)) {
        bench::print(f);
        out << f;
    }
    const Figure autoSave = bench::autoSaveFullHistory(dir, capture, runs);
    bench::print(autoSave);
    out << autoSave;
}

} // namespace

int main(int argc, char* argv[])
{
    // The driver itself needs no screen; the programs it starts get theirs explicitly.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList wanted = app.arguments().mid(1);
    if (wanted.isEmpty())
        wanted = {QStringLiteral("startup"), QStringLiteral("flights"), QStringLiteral("clipboard"),
                  QStringLiteral("saves"), QStringLiteral("scenario")};

    Setup s;
    s.bin = QCoreApplication::applicationDirPath();
    s.runner = program(s, "qel-bench-run");
    if (qEnvironmentVariableIsSet("QEL_BENCH_RUNS"))
        s.runs = qMax(1, qEnvironmentVariableIntValue("QEL_BENCH_RUNS"));

    // The saves are timed where the files go: a folder on the disk a simulator folder would be
    // on (QEL_BENCH_DIR), else the temporary folder.
    const QString scratch = qEnvironmentVariableIsEmpty("QEL_BENCH_DIR")
                                ? QDir::tempPath()
                                : qEnvironmentVariable("QEL_BENCH_DIR");
    QTemporaryDir tmp(scratch + QStringLiteral("/qel-bench-XXXXXX"));
    if (!tmp.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        return 2;
    }
    const QString work = tmp.path();
    s.small = work + QStringLiteral("/sim10");
    s.large = work + QStringLiteral("/sim20000");
    if (!makeSimulatorFolder(s.small, 10) ||
        (wanted.contains(QLatin1String("flights")) && !makeSimulatorFolder(s.large, 20000))) {
        std::fprintf(stderr, "cannot make the simulator folders in %s\n", qPrintable(work));
        return 2;
    }

    // The minimal program shows the same widgets as each program's main window.
    QDir::setCurrent(s.small);
    {
        qel::editor::EditorWindow editor;
        s.editorCensus = bench::census(editor);
    }
    {
        qel::photo::PhotoWindow photoTool;
        s.photoCensus = bench::census(photoTool);
    }
    QDir::setCurrent(work);

    s.offscreen = QProcessEnvironment::systemEnvironment();
    s.offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    s.offscreen.insert(QStringLiteral("QEL_QUIT_WHEN_IDLE"), QStringLiteral("1"));
    s.offscreen.remove(QStringLiteral("QEL_SCREENSHOT"));

    std::printf("%d runs per figure; medians; the floor is measured in the same run, "
                "alternately.\n",
                s.runs);
    QList<Figure> figures;
    if (wanted.contains(QLatin1String("startup"))) {
        startup(s, "QELedit", s.editorCensus, figures);
        startup(s, "qelphoto", s.photoCensus, figures);
    }
    if (wanted.contains(QLatin1String("flights")))
        flights(s, figures);
    if (wanted.contains(QLatin1String("clipboard")))
        clipboardMemory(s, work, figures);
    if (wanted.contains(QLatin1String("saves")))
        saves(work, s.runs, figures);
    if (wanted.contains(QLatin1String("windows"))) {
        windowsPrograms(s, qEnvironmentVariable("QEL_BENCH_WINDOWS"), figures);
        windowsAutoSave(s, qEnvironmentVariable("QEL_BENCH_WINDOWS"), work, figures);
    }
    if (wanted.contains(QLatin1String("scenario"))) {
        for (const Figure& f : bench::scenarioRoundTrip(QDir(work), qMax(s.runs, 101))) {
            bench::print(f);
            figures << f;
        }
    }

    int budgeted = 0;
    int failed = 0;
    for (const Figure& f : figures) {
        budgeted += f.informational ? 0 : 1;
        failed += f.ok() ? 0 : 1;
    }
    std::printf("%d figures with a budget: %d within it, %d over it or not measured\n", budgeted,
                budgeted - failed, failed);
    return failed ? 1 : 0;
}
