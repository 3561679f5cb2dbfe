// Dealing speed: puzzles per second through NextPuzzle, typed and multiple-choice.
#include <benchmark/benchmark.h>

#include "engine/game.h"

namespace {

void Deal(benchmark::State& state, bool multipleChoice) {
  gapwise::IDrillView view;
  gapwise::TDrillGame game(view);
  game.Settings().MultChoice = multipleChoice;
  game.Settings().TimeLimited = false;
  game.Random().Seed(12345);
  for (auto _ : state) {
    game.NextPuzzle();
    benchmark::DoNotOptimize(game.Puzzle().Answer.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_DealTyped(benchmark::State& state) {
  Deal(state, false);
}
void BM_DealMultipleChoice(benchmark::State& state) {
  Deal(state, true);
}

}  // namespace

BENCHMARK(BM_DealTyped);
BENCHMARK(BM_DealMultipleChoice);
BENCHMARK_MAIN();
