#include "engine/combinationengine.h"
#include "export/exportcommand.h"
#include "export/sheetlayout.h"
#include "export/workbookwriter.h"
#include "testsupport.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using namespace ornal;

// The largest list: 20 horses, bets of 7, 77,520 lines.
const ComputeResult& LargestList()
{
    static const ComputeResult result = [] { return ComputeCombinations(LargestSelection()); }();
    return result;
}

std::filesystem::path BenchFolder()
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path()
        / std::filesystem::path("ornal-export-bench").concat(std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    return folder;
}

// What the export button costs, from the list to a finished file (opening it excepted).
void BM_ExportLargestListToFile(benchmark::State& state)
{
    const ComputeResult& computed = LargestList();
    const std::filesystem::path file = BenchFolder() / "bench.xlsx";
    for (auto _ : state) {
        std::filesystem::remove(file);
        const ExportRequest request { .list = computed.list, .selectionText = computed.selectionText, .file = file };
        const ExportOutcome outcome = ExportCombinationList(request);
        if (!outcome.written()) {
            state.SkipWithError(outcome.refusal->text().c_str());
            break;
        }
    }
    state.counters["lines"] = computed.list.size();
    std::filesystem::remove_all(file.parent_path());
}
BENCHMARK(BM_ExportLargestListToFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// The file writer alone, on the sheet of the largest list.
void BM_WriteLargestSheet(benchmark::State& state)
{
    const ComputeResult& computed = LargestList();
    const std::filesystem::path folder = BenchFolder();
    const SheetLayout sheet
        = LayOutSheet({ .list = computed.list, .selectionText = computed.selectionText }, "07/12/2026");
    const std::filesystem::path file = folder / "bench.xlsx";
    for (auto _ : state) {
        if (const Result<void> written = WriteWorkbook(sheet, file); !written) {
            state.SkipWithError(written.refusal().text().c_str());
            break;
        }
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WriteLargestSheet)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
