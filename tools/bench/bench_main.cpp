// Entry point of the benchmark binary: Google Benchmark's own main.
#include <benchmark/benchmark.h>
BENCHMARK_MAIN();
