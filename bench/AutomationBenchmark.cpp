// The cost of late-bound calls: one call alone, and a walk shaped like the
// main window's display refresh through the SQLite server and through the
// scripted in-memory server, printed side by side.
#include "BenchBooks.h"

#include "automation/Conversions.h"
#include "automation/Runtime.h"
#include "automation/ServerObject.h"
#include "automation/Text.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <map>
#include <memory>
#include <unistd.h>
#include <optional>

using automation::Variant;

namespace {

// The smallest server object: one read-only property.
class Counter final : public automation::ServerObject {
public:
    static constexpr automation::DispId CountId = 1;

protected:
    std::span<const Member> members() const noexcept override
    {
        static const Member table[] = {
            {"Name", 0, automation::PropertyGet | automation::Method, 0, 0},
            {"Count", CountId, automation::PropertyGet | automation::Method, 0, 0},
        };
        return table;
    }
    void invokeMember(automation::DispId, unsigned, std::span<Variant>, Variant *result) override
    {
        setResult(result, Variant(std::int32_t(42)));
    }
};

void BM_LateBoundCall(benchmark::State &state)
{
    automation::initialize();
    const Variant counter = Variant::adopt(new Counter);
    for (auto _ : state)
        benchmark::DoNotOptimize(automation::toInt32(counter.get("Count")));
    state.SetLabel("resolve + invoke + integer result");
}
BENCHMARK(BM_LateBoundCall);

constexpr std::array<const char *, 6> ColumnFields = {"Last Name",      "First Name",     "Office Phone Number",
                                                      "User ID",        "E-Mail Address", "Test Field"};

// One refresh's worth of calls over a book's entries: per entry Item, Fields,
// Count, then per field six Item+Name tests and Item+Value on a match.
std::int64_t refreshWalk(const Variant &book)
{
    std::int64_t calls = 2;
    const Variant entries = book.get("AddressBookEntries");
    const int count = automation::toInt32(entries.get("Count"));
    for (int r = 1; r <= count; ++r) {
        const Variant fields = entries.call("Item", {Variant(r)}).get("Fields");
        const int fieldCount = automation::toInt32(fields.get("Count"));
        calls += 3;
        for (int j = 1; j <= fieldCount; ++j) {
            for (const char *column : ColumnFields) {
                const std::string name = automation::toText(fields.call("Item", {Variant(j)}).get("Name"));
                calls += 2;
                if (automation::equalsIgnoreAsciiCase(name, column)) {
                    benchmark::DoNotOptimize(automation::toText(fields.call("Item", {Variant(j)}).get("Value")));
                    calls += 2;
                }
            }
        }
    }
    return calls;
}

void recordWalk(benchmark::State &state, std::int64_t calls)
{
    state.counters["calls"] = double(calls);
}

void BM_RefreshWalk_Scripted(benchmark::State &state)
{
    automation::initialize();
    scripted::ScriptedServer server;
    benchbooks::fillScripted(server, int(state.range(0)));
    server.setRecording(false); // a recording double would measure its own bookkeeping
    Variant session = server.createSession();
    session.invoke("Login", {Variant::omitted()});
    const Variant book = benchbooks::benchBook(session);
    std::int64_t calls = 0;
    for (auto _ : state)
        calls = refreshWalk(book);
    recordWalk(state, calls);
}
BENCHMARK(BM_RefreshWalk_Scripted)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_RefreshWalk_Sqlite(benchmark::State &state)
{
    automation::initialize();
    benchbooks::SqliteBook store(int(state.range(0)));
    const Variant session = store.session();
    const Variant book = benchbooks::benchBook(session);
    std::int64_t calls = 0;
    for (auto _ : state)
        calls = refreshWalk(book);
    recordWalk(state, calls);
}
BENCHMARK(BM_RefreshWalk_Sqlite)->Arg(1000)->Unit(benchmark::kMillisecond);

// A command that adds one field to every entry of a held collection, then
// reads each entry's last field back: every write must not cost a re-read
// of the whole book. Each iteration starts from a fresh copy of the book.
void BM_AddFieldLoop_Sqlite(benchmark::State &state)
{
    automation::initialize();
    for (auto _ : state) {
        state.PauseTiming();
        auto store = std::make_unique<benchbooks::SqliteBook>(int(state.range(0)));
        // Closed before the store goes: closing the connection checkpoints it.
        std::optional<Variant> held = benchbooks::benchEntries(store->session());
        const Variant &entries = *held;
        state.ResumeTiming();

        const int n = automation::toInt32(entries.get("Count"));
        for (int i = 1; i <= n; ++i)
            entries.call("Item", {Variant(i)}).get("Fields").call("Add", {"Test Field", 1, std::to_string(i)});
        const int after = automation::toInt32(entries.get("Count"));
        for (int i = 1; i <= after; ++i) {
            const Variant fields = entries.call("Item", {Variant(i)}).get("Fields");
            benchmark::DoNotOptimize(
                automation::toText(fields.call("Item", {fields.get("Count")}).get("Value")));
        }

        state.PauseTiming();
        held.reset();
        store.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddFieldLoop_Sqlite)->Arg(1000)->Unit(benchmark::kMillisecond);

// Prints the two walks side by side after the run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so logs stay plain.
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const std::string name = run.benchmark_name();
            if (name.rfind("BM_RefreshWalk_", 0) == 0 && run.run_type == Run::RT_Iteration) {
                const std::string server = name.substr(15, name.find('/') - 15);
                perWalkMs_[server] = run.GetAdjustedRealTime();
                calls_[server] = run.counters.at("calls").value;
            }
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        if (!perWalkMs_.count("Scripted") || !perWalkMs_.count("Sqlite"))
            return;
        auto nsPerCall = [this](const std::string &server) { return perWalkMs_[server] * 1e6 / calls_[server]; };
        std::printf("\nRefresh walk, 1,000 entries x 8 fields, %.0f calls:\n"
                    "  SQLite server     %8.2f ms  (%.0f ns per call)\n"
                    "  in-memory server  %8.2f ms  (%.0f ns per call)\n"
                    "  ratio SQLite / in-memory: %.2fx\n",
                    calls_["Sqlite"], perWalkMs_["Sqlite"], nsPerCall("Sqlite"), perWalkMs_["Scripted"],
                    nsPerCall("Scripted"), perWalkMs_["Sqlite"] / perWalkMs_["Scripted"]);
    }

private:
    std::map<std::string, double> perWalkMs_;
    std::map<std::string, double> calls_;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
