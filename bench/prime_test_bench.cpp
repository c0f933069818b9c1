// How long the prime test keeps the user waiting: the worst case is the
// largest whole number the activity accepts, itself a prime, so the search
// runs all the way to its square root.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "arithmetic/prime_test.h"

namespace {

void BM_IsPrime(benchmark::State& state) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    bool prime = IsPrime(n);
    benchmark::DoNotOptimize(prime);
  }
}

// 2147483647: the worst case; 1000003: a typical seven-digit prime; 97: a
// small one.
BENCHMARK(BM_IsPrime)->Arg(2147483647)->Arg(1000003)->Arg(97);

}  // namespace
