// One recomputation after a double-click on the grid: 10,000 catalogue items, 200 selected entries.

#include "benchdata.h"
#include "rules/points.h"
#include "rules/selection.h"
#include "rules/weight.h"
#include "ui/form1.h"
#include "ui/seams.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QListWidget>
#include <QLocale>
#include <QTableView>
#include <benchmark/benchmark.h>

namespace {

constexpr int Entries = 200;

const AppSettings& Settings()
{
    static const AppSettings settings = BenchSettings();
    return settings;
}

// The 200 entries and the item a double-click adds to them.
QStringList EntriesAfterDoubleClick()
{
    QStringList entries =
        SelectedEntries(TenThousandItemCatalogue(), Settings().StartingEquipmentName, Entries);
    entries.append(TenThousandItemCatalogue().At(3).DisplayName); // a rifle: no limit
    return entries;
}

SkillLevels SomeLevels()
{
    return {2, 0, 0, 3, 0, 1, 0, 1, 1, 0, 1, 2};
}

void BM_AvailablePoints(benchmark::State& state)
{
    const QStringList entries = EntriesAfterDoubleClick();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            AvailablePoints(Settings().StartingPoints, SomeLevels(), entries, TenThousandItemCatalogue()));
}

void BM_RecalculatedWeight(benchmark::State& state)
{
    const QStringList entries = EntriesAfterDoubleClick();
    for (auto _ : state) {
        const WeightDisplay weight = RecalculatedWeight(Settings().StartingEquipmentWeight, 2, entries,
                                                        TenThousandItemCatalogue(), u'.');
        benchmark::DoNotOptimize(weight.Total);
    }
}

void BM_CheckItemRestrictions(benchmark::State& state)
{
    const QStringList entries = EntriesAfterDoubleClick();
    if (!CheckItemRestrictions(entries, TenThousandItemCatalogue()))
        state.SkipWithError("the entries break a limit");
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckItemRestrictions(entries, TenThousandItemCatalogue()));
}

// The three together, as the window's double-click handler asks for them.
void BM_RecomputeCore(benchmark::State& state)
{
    const QStringList entries = EntriesAfterDoubleClick();
    for (auto _ : state) {
        const bool ok = CheckItemRestrictions(entries, TenThousandItemCatalogue());
        const QString points = AvailablePointsText(
            AvailablePoints(Settings().StartingPoints, SomeLevels(), entries, TenThousandItemCatalogue()));
        const WeightDisplay weight =
            RecalculatedWeight(Settings().StartingEquipmentWeight, 2, entries, TenThousandItemCatalogue(),
                               QLocale().decimalPoint().at(0));
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(points.size());
        benchmark::DoNotOptimize(weight.Total);
    }
}

class SilentMessageBoxes final : public MessageBoxes {
public:
    void Show(const QString&) override {}
};

class NoProgramEnd final : public ProgramEnd {
public:
    void End() override {}
};

// A shown window on the catalogue, its list holding the 200 entries, the grid's current row a rifle.
struct FilledWindow {
    SilentMessageBoxes Messages;
    NoProgramEnd End;
    Form1 Window{EditorContext{Settings(), TenThousandItemCatalogue(),
                               ProgramLocation{QStringLiteral("/nonexistent/tool"),
                                               QStringLiteral("rostermaker"), NativePathStyle()},
                               Messages, End}};
    QModelIndex Rifle;

    FilledWindow()
    {
        Window.FillCatalogueGrid();
        Window.show();
        Window.ClearClass();
        Window.List1->addItems(
            SelectedEntries(TenThousandItemCatalogue(), Settings().StartingEquipmentName, Entries).mid(1));
        Window.RecalculatePoints();
        Window.RecalculateWeight();
        QApplication::processEvents();
        const QAbstractItemModel* model = Window.MSHFlexGrid1->model();
        for (int row = 1; row < model->rowCount() && !Rifle.isValid(); ++row) {
            if (model->index(row, 0).data().toString() == TenThousandItemCatalogue().At(3).DisplayName)
                Rifle = model->index(row, 0);
        }
        Window.MSHFlexGrid1->setCurrentIndex(Rifle);
    }

    // Takes back the entry that a double-click added, so that every run starts alike.
    void RemoveAdded()
    {
        if (Window.List1->count() > Entries)
            delete Window.List1->takeItem(Window.List1->count() - 1);
    }
};

// The window's own handler: the grid's doubleClicked signal runs SelectItem, the restriction check,
// RecalculatePoints and RecalculateWeight; the added entry is then taken back (included in the time).
void BM_WindowDoubleClick(benchmark::State& state)
{
    FilledWindow filled;
    // The item must pass the restriction check, or the handler would take it back without recomputing.
    emit filled.Window.MSHFlexGrid1->doubleClicked(filled.Rifle);
    if (filled.Window.List1->count() != Entries + 1)
        state.SkipWithError("the double-click did not add the item");
    filled.RemoveAdded();
    for (auto _ : state) {
        emit filled.Window.MSHFlexGrid1->doubleClicked(filled.Rifle);
        filled.RemoveAdded();
    }
    if (filled.Window.List1->count() != Entries)
        state.SkipWithError("the list did not keep its entries");
}

// The same, with the events that it leaves pending (the labels' and the list's repaint) processed.
void BM_WindowDoubleClickAndPaint(benchmark::State& state)
{
    FilledWindow filled;
    for (auto _ : state) {
        emit filled.Window.MSHFlexGrid1->doubleClicked(filled.Rifle);
        QApplication::processEvents();
        filled.RemoveAdded();
        QApplication::processEvents();
    }
}

} // namespace

BENCHMARK(BM_AvailablePoints)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecalculatedWeight)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheckItemRestrictions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecomputeCore)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowDoubleClick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowDoubleClickAndPaint)->Unit(benchmark::kMicrosecond);
