// Loading the weapons file: the whole load as start-up does it, against the floor of only reading the
// file's lines.

#include "benchdata.h"
#include "catalogue/weaponsfile.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/textlines.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <limits>
#include <map>
#include <memory>

namespace {

// The generated weapons file of rows rows, written once per size into a temporary folder.
const QString& WeaponsFileOf(int rows)
{
    static const auto folder = std::make_unique<QTemporaryDir>();
    static std::map<int, QString> paths;
    auto found = paths.find(rows);
    if (found == paths.end()) {
        const QString path = QDir(folder->path()).filePath(QStringLiteral("weapons%1.csv").arg(rows));
        if (ReplaceFile(path, GeneratedWeaponsFile(rows)))
            qFatal("cannot write %s", qPrintable(path));
        found = paths.emplace(rows, path).first;
    }
    return found->second;
}

qint64 FileSize(const QString& path)
{
    return ReadWholeFile(path, std::numeric_limits<qint64>::max()).Bytes.size();
}

// Settings file name, bytes read, decoding, ReadWeaponsFile and the catalogue's indexes: LoadWeaponsFile.
void BM_LoadWeaponsFile(benchmark::State& state)
{
    const QString& path = WeaponsFileOf(static_cast<int>(state.range(0)));
    const AppSettings settings = BenchSettings(path);
    const ProgramLocation location{QDir::tempPath(), QStringLiteral("rostermaker"), NativePathStyle()};
    for (auto _ : state) {
        auto load = std::make_unique<Result<EquipmentCatalogue>>(LoadWeaponsFile(settings, location));
        if (!*load)
            state.SkipWithError("the weapons file did not load");
        benchmark::DoNotOptimize((*load)->Count());
        // The program keeps its catalogue to the end: freeing it is not part of the load.
        state.PauseTiming();
        load.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * FileSize(path));
}

// The floor: the same file's bytes read, decoded and split into lines, nothing parsed.
void BM_ReadWeaponsLines(benchmark::State& state)
{
    const QString& path = WeaponsFileOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const QString text = DecodeFileText(ReadWholeFile(path, std::numeric_limits<qint64>::max()).Bytes);
        qsizetype lines = 0;
        qsizetype characters = 0;
        ForEachLine(text, [&](QStringView line) {
            ++lines;
            characters += line.size();
        });
        benchmark::DoNotOptimize(lines);
        benchmark::DoNotOptimize(characters);
    }
    state.SetBytesProcessed(state.iterations() * FileSize(path));
}

} // namespace

BENCHMARK(BM_LoadWeaponsFile)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadWeaponsLines)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
