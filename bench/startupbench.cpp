// rostermaker_startup_bench: the start-up to a filled window, offscreen, in a fresh process per case.
//
//   rostermaker_startup_bench --make-game <folder> [rows]
//       copies the demo game folder into folder; with rows, its weapons.csv becomes a generated file
//       of that many items.
//   rostermaker_startup_bench <game-folder>
//       runs the start-up order (Main) as <game-folder>/tool/rostermaker, shows the window, lets the event
//       loop process the pending events once, and prints one line:
//       items=<n> startup_ms=<from main() on> main_ms=<Main()> events_ms=<first events> peak_rss_mb=<n>

#include "benchdata.h"
#include "platform/files.h"
#include "ui/seams.h"
#include "ui/startup.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTableView>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#ifdef Q_OS_WIN
#include <psapi.h>
#include <windows.h> // before psapi.h
#else
#include <sys/resource.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

class PrintingMessageBoxes final : public MessageBoxes {
public:
    void Show(const QString& text) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        ++Shown;
    }
    int Shown = 0;
};

class NoProgramEnd final : public ProgramEnd {
public:
    void End() override {}
};

int MakeGame(const QString& folder, int rows)
{
    const QString demo = QStringLiteral(ROSTERMAKER_DEMO_DATA);
    QDirIterator files(demo, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = QDir(folder).filePath(QDir(demo).relativeFilePath(source));
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        if (!QFile::copy(source, target)) {
            std::fprintf(stderr, "cannot copy %s\n", qPrintable(source));
            return 1;
        }
    }
    if (rows > 0) {
        if (const std::optional<QString> failure = ReplaceFile(
                QDir(folder).filePath(QStringLiteral("weapons.csv")), GeneratedWeaponsFile(rows))) {
            std::fprintf(stderr, "cannot write the weapons file: %s\n", qPrintable(*failure));
            return 1;
        }
    }
    return 0;
}

// Megabytes (10^6 bytes) of the process's peak resident memory (on Windows its peak working set).
double PeakRssMegabytes()
{
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return double(counters.PeakWorkingSetSize) / 1e6;
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) * 1024.0 / 1e6; // ru_maxrss is in KiB on Linux
#endif
}

} // namespace

int main(int argc, char** argv)
{
    const Clock::time_point start = Clock::now();
    if (argc >= 3 && std::string_view(argv[1]) == "--make-game")
        return MakeGame(QString::fromLocal8Bit(argv[2]), argc >= 4 ? std::atoi(argv[3]) : 0);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <game-folder> | --make-game <folder> [rows]\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication application(argc, argv);
    const QString tool = QDir(QString::fromLocal8Bit(argv[1])).absoluteFilePath(QStringLiteral("tool"));
    PrintingMessageBoxes messages;
    NoProgramEnd end;

    const Clock::time_point mainStart = Clock::now();
    const std::unique_ptr<RunningEditor> editor =
        Main(ProgramLocation{tool, QStringLiteral("rostermaker"), NativePathStyle()}, messages, end);
    const Clock::time_point mainEnd = Clock::now();
    if (!editor)
        return 1;
    QApplication::processEvents();
    const Clock::time_point filled = Clock::now();

    const int gridRows = editor->Window->MSHFlexGrid1->model()->rowCount();
    if (messages.Shown > 0 || gridRows < 2 || !editor->Window->isVisible()) {
        std::fprintf(stderr, "the window was not filled (%d grid rows, %d messages)\n", gridRows,
                     messages.Shown);
        return 1;
    }
    std::printf("items=%lld startup_ms=%.1f main_ms=%.1f events_ms=%.1f peak_rss_mb=%.1f\n",
                static_cast<long long>(editor->Catalogue.Count()), MillisecondsBetween(start, filled),
                MillisecondsBetween(mainStart, mainEnd), MillisecondsBetween(mainEnd, filled),
                PeakRssMegabytes());
    return 0;
}
