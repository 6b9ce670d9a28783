// Saving and loading a class of 100 items.

#include "benchdata.h"
#include "classfile/classfilename.h"
#include "classfile/classfilereader.h"
#include "classfile/classfilewriter.h"
#include "commands/loadclass.h"
#include "platform/codepage.h"
#include "platform/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int ClassItems = 100;

ClassRecord HundredItemClass(const QString& startingItem)
{
    ClassRecord record;
    record.ClassName = QStringLiteral("Bench Class");
    record.Callsign = QStringLiteral("Thunder");
    record.Model = QStringLiteral("commando");
    record.HeadSkin = QStringLiteral("00A");
    record.BodySkin = QStringLiteral("002");
    record.LegsSkin = QStringLiteral("001");
    record.Levels = {2, 0, 0, 3, 0, 1, 0, 1, 1, 0, 1, 2};
    record.Entries = SelectedEntries(TenThousandItemCatalogue(), startingItem, ClassItems + 1);
    return record;
}

// The class file's bytes made and written through ReplaceFile (a new file that takes the old one's place).
void BM_SaveClass(benchmark::State& state)
{
    QTemporaryDir folder;
    const AppSettings settings = BenchSettings({}, folder.path());
    const ClassRecord record = HundredItemClass(settings.StartingEquipmentName);
    const QString path = QDir(folder.path()).filePath(QStringLiteral("Bench Class.cfg"));
    for (auto _ : state) {
        const QByteArray bytes =
            ClassFileBytes(record, TenThousandItemCatalogue(), settings.StartingEquipmentName);
        if (ReplaceFile(path, bytes))
            state.SkipWithError("the class file was not written");
    }
}

// The class file's bytes alone.
void BM_ClassFileBytes(benchmark::State& state)
{
    const AppSettings settings = BenchSettings();
    const ClassRecord record = HundredItemClass(settings.StartingEquipmentName);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ClassFileBytes(record, TenThousandItemCatalogue(), settings.StartingEquipmentName).size());
}

// ClassFileToLoad and LoadClassFile: the file found by the class name, read, decoded and read into the class.
void BM_LoadClass(benchmark::State& state)
{
    QTemporaryDir folder;
    const AppSettings settings = BenchSettings({}, folder.path());
    const ClassRecord record = HundredItemClass(settings.StartingEquipmentName);
    const QString path = QDir(folder.path()).filePath(QStringLiteral("Bench Class.cfg"));
    ReplaceFile(path, ClassFileBytes(record, TenThousandItemCatalogue(), settings.StartingEquipmentName));
    for (auto _ : state) {
        const Result<LoadedClass> loaded = LoadClassFile(
            ClassFileToLoad(settings.CharacterPath, QStringLiteral("Bench Class"), {}, NativePathStyle()),
            TenThousandItemCatalogue());
        if (!loaded || loaded->Entries.size() != ClassItems)
            state.SkipWithError("the class did not load");
        benchmark::DoNotOptimize(loaded->Entries.size());
    }
}

// ReadClassFile alone, on the file's bytes.
void BM_ReadClassFile(benchmark::State& state)
{
    const AppSettings settings = BenchSettings();
    const QByteArray bytes = ClassFileBytes(HundredItemClass(settings.StartingEquipmentName),
                                            TenThousandItemCatalogue(), settings.StartingEquipmentName);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadClassFile(bytes, TenThousandItemCatalogue()).Entries.size());
}

} // namespace

BENCHMARK(BM_SaveClass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClassFileBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadClass)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadClassFile)->Unit(benchmark::kMicrosecond);
