// Building the request text of one game upload from a finished record.
#include <benchmark/benchmark.h>

#include "upload/novconnector.h"

namespace {

void BM_BuildGetQuery(benchmark::State& run) {
    NOVConnector connector;
    connector.setGame("1" "121212121212121212121212" "01132", "Ann Lee & co");
    for (auto _ : run) {
        char* request = connector.build_get_query();
        benchmark::DoNotOptimize(request);
        delete[] request;
    }
}
BENCHMARK(BM_BuildGetQuery);

}  // namespace
