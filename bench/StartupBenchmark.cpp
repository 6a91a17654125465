// Start-up to a filled grid: the program's windows created, the session
// logged in, and the bench book displayed, through the SQLite server and
// through the scripted in-memory server; and filling the grid alone, to show
// its share of the total.
#include "BenchBooks.h"

#include "windows/AddressMainPelgar.h"
#include "windows/Program.h"
#include "windows/StringGrid.h"

#include <QApplication>
#include <QComboBox>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <malloc.h>
#include <memory>

using namespace addressbook;

namespace {

// Heap in use, not resident pages: memory freed by an earlier run stays
// resident and would hide what this one takes.
double heapInUseMegabytes()
{
    return double(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

// One start: windows, login, the first book, then the bench book on display.
// Returns the program so the caller decides when it ends.
std::unique_ptr<Program> startAndShowBenchBook()
{
    auto program = std::make_unique<Program>();
    if (!program->createWindows())
        throw std::runtime_error("start-up failed");
    TAddressBookPelgarMainForm &main = *program->AddressBookPelgarMainForm;
    main.AddressBookComboBox->setEditText(QString::fromLatin1(benchbooks::BookName));
    main.RefreshDisplay();
    if (main.DisplayStringGrid->rowCount() < 2)
        throw std::runtime_error("the grid was not filled");
    return program;
}

void measureStarts(benchmark::State &state)
{
    const double before = heapInUseMegabytes();
    double filled = before;
    for (auto _ : state) {
        auto program = startAndShowBenchBook();
        state.PauseTiming();
        filled = std::max(filled, heapInUseMegabytes());
        program.reset();
        state.ResumeTiming();
    }
    // What a started program holds with the grid filled: windows, grid
    // cells, references and the server's snapshot of the book.
    state.counters["heap_MB"] = filled - before;
}

void BM_StartUp_Scripted(benchmark::State &state)
{
    scripted::ScriptedServer server;
    benchbooks::fillScripted(server, int(state.range(0)));
    server.setRecording(false);
    server.install();
    measureStarts(state);
}
BENCHMARK(BM_StartUp_Scripted)->Arg(1000)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_StartUp_Sqlite(benchmark::State &state)
{
    benchbooks::SqliteBook store(int(state.range(0)));
    store.install();
    measureStarts(state);
}
BENCHMARK(BM_StartUp_Sqlite)->Arg(1000)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(5);

// The grid's part of a refresh: row count, then per row six cells cleared
// and six written.
void BM_GridFill(benchmark::State &state)
{
    const int rows = int(state.range(0));
    std::vector<QString> values;
    for (int c = 0; c < 6; ++c)
        values.push_back(QStringLiteral("value %1").arg(c));
    for (auto _ : state) {
        StringGrid grid;
        grid.setColCount(6);
        grid.setRowCount(rows + 1);
        for (int r = 1; r <= rows; ++r) {
            for (int c = 0; c < 6; ++c)
                grid.setCell(c, r, QString());
            for (int c = 0; c < 6; ++c)
                grid.setCell(c, r, values[std::size_t(c)]);
        }
        benchmark::DoNotOptimize(grid.cell(5, rows));
    }
}
BENCHMARK(BM_GridFill)->Arg(1000)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
