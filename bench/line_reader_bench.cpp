// How fast whole sessions are read: many short lines, as a script types
// them, and one very long line.
#include <benchmark/benchmark.h>

#include <iostream>
#include <sstream>
#include <string>

#include "shell/line_reader.h"

namespace {

// Reads every line of `text` through ReadLine, with std::cout discarded.
std::size_t ReadAllLines(const std::string& text) {
  std::istringstream input(text);
  std::ostringstream output;
  std::streambuf* savedIn = std::cin.rdbuf(input.rdbuf());
  std::streambuf* savedOut = std::cout.rdbuf(output.rdbuf());
  std::size_t characters = 0;
  try {
    for (;;) characters += ReadLine().size();
  } catch (const SessionEnd&) {
  }
  std::cin.rdbuf(savedIn);
  std::cout.rdbuf(savedOut);
  return characters;
}

void BM_ManyShortLines(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "Sword\r\n";
  for (auto _ : state) benchmark::DoNotOptimize(ReadAllLines(text));
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ManyShortLines)->Unit(benchmark::kMillisecond);

void BM_OneTenMegabyteLine(benchmark::State& state) {
  const std::string text(10 * 1024 * 1024, 'n');
  for (auto _ : state) benchmark::DoNotOptimize(ReadAllLines(text));
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_OneTenMegabyteLine)->Unit(benchmark::kMillisecond);

}  // namespace
