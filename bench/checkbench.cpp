// A server's folder checked: 10,000 class files against a catalogue of 10,000 items, beside the floor of
// only reading them.

#include "benchdata.h"
#include "checker/checkerrun.h"
#include "checker/classcheck.h"
#include "classfile/classfilename.h"
#include "classfile/classfilewriter.h"
#include "commands/loadclass.h"
#include "platform/codepage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int ClassFiles = 10000;

// A game folder: the demo's models, the generated weapons file of 10,000 items, the settings naming both
// by full path, and 10,000 class files as the editor writes them: distinct names, the demo's model
// commando, a few levels and 2 to 7 items each, spread over the catalogue. The same bytes on every run.
class CheckedGame {
public:
    CheckedGame()
    {
        QDir(Dir.path()).mkpath(QStringLiteral("tool/characters"));
        const QString weapons = Dir.filePath(QStringLiteral("weapons.csv"));
        const QString models = QStringLiteral(ROSTERMAKER_DEMO_DATA "/main/models/people");
        Write(weapons, GeneratedWeaponsFile(10000));
        Write(Dir.filePath(QStringLiteral("tool/rostermaker.ini")),
              EncodeFileText(QStringLiteral("[Application]\r\nModel Path=%1\r\nWeapons File Name=%2\r\n")
                                 .arg(QDir::toNativeSeparators(models), QDir::toNativeSeparators(weapons))));
        Settings = BenchSettings(weapons, Folder());
        Settings.ModelPath = QDir::toNativeSeparators(models);

        const EquipmentCatalogue& catalogue = TenThousandItemCatalogue();
        for (int i = 0; i < ClassFiles; ++i) {
            ClassRecord record;
            record.ClassName = QStringLiteral("Class %1").arg(i, 5, 10, QLatin1Char('0'));
            record.Callsign = QStringLiteral("Player%1").arg(i % 97);
            record.Model = QStringLiteral("commando");
            record.HeadSkin = QStringLiteral("00A");
            record.BodySkin = QStringLiteral("002");
            record.LegsSkin = QStringLiteral("001");
            record.Levels = {i % 3, 0, 0, i % 5 == 0 ? 2 : 0, 0, 0, 1, 1, 1, 0, i % 2, 1};
            record.Entries = {Settings.StartingEquipmentName};
            for (int k = 0; k < 2 + i % 6; ++k) {
                const Equipment& item = catalogue.At((i * 7919 + k * 613) % catalogue.Count());
                if (item.CostPoints != 0)
                    record.Entries.append(ListedName(item));
            }
            Write(QDir(Folder()).filePath(ClassFileName(record.ClassName)),
                  ClassFileBytes(record, catalogue, Settings.StartingEquipmentName));
        }
    }

    QString Folder() const
    {
        return QDir::toNativeSeparators(Dir.filePath(QStringLiteral("tool/characters")));
    }
    ProgramLocation Location() const
    {
        return {QDir::toNativeSeparators(Dir.filePath(QStringLiteral("tool"))), QStringLiteral("rostermaker"),
                NativePathStyle()};
    }

    AppSettings Settings;

private:
    // A plain write: ReplaceFile would sync each of the 10,000 files to disk.
    static void Write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("could not write %s", qPrintable(path));
    }

    QTemporaryDir Dir;
};

const CheckedGame& Game()
{
    static const CheckedGame game;
    return game;
}

// The floor: the folder listed, every class file read and decoded.
void BM_ReadClassFolder(benchmark::State& state)
{
    const QString folder = Game().Folder();
    qint64 bytes = 0;
    for (auto _ : state) {
        for (const QString& name : ClassFileNamesInFolder(folder)) {
            const Result<QByteArray> file = ReadClassFileBytes(QDir(folder).filePath(name));
            bytes += file->size();
            benchmark::DoNotOptimize(DecodeFileText(*file).size());
        }
    }
    state.SetBytesProcessed(bytes);
    state.SetItemsProcessed(state.iterations() * ClassFiles);
}

// The check: the folder listed, every class file read and judged (models and skins read afresh).
void BM_CheckClassFolder(benchmark::State& state)
{
    const QString folder = Game().Folder();
    qsizetype findings = 0;
    for (auto _ : state) {
        ClassChecker checker(Game().Settings, TenThousandItemCatalogue(), Game().Location());
        for (const QString& name : ClassFileNamesInFolder(folder))
            findings += checker.Check(QDir(folder).filePath(name)).Findings.size();
    }
    if (findings != 0 && findings % state.iterations() != 0)
        state.SkipWithError("the findings changed from one run to the next");
    state.SetItemsProcessed(state.iterations() * ClassFiles);
}

// The whole program as an admin runs it: settings, weapons file, the check and its report (JSON).
void BM_RunChecker(benchmark::State& state)
{
    for (auto _ : state) {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const int status = RunChecker({QStringLiteral("rostermaker-check"), QStringLiteral("--json")},
                                      Game().Location(), outStream, errStream);
        if (status == 2 || !err.isEmpty())
            state.SkipWithError(qPrintable(err));
        benchmark::DoNotOptimize(out.size());
    }
    state.SetItemsProcessed(state.iterations() * ClassFiles);
}

} // namespace

BENCHMARK(BM_ReadClassFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckClassFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunChecker)->Unit(benchmark::kMillisecond);
