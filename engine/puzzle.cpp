#include "engine/puzzle.h"

namespace gapwise {
namespace {

using Cells = std::vector<std::string>;

std::string Text(std::uint32_t value) {
  return std::to_string(value);
}

Cells AdditionCells(TRandom& random) {
  const std::uint32_t a = random.RandomBelow(9899) + 100;
  const std::uint32_t b = random.RandomBelow(a - 10) + 10;
  return {Text(a), Text(b), Text(a + b)};
}

Cells SubtractionCells(TRandom& random) {
  const std::uint32_t a = random.RandomBelow(9898) + 101;
  const std::uint32_t b = random.RandomBelow(a - 10) + 10;
  return {Text(a), Text(b), Text(a - b)};
}

Cells MultiplicationCells(TRandom& random) {
  const std::uint32_t m = random.RandomBelow(9898) + 101;
  const std::uint32_t n = random.RandomBelow(89) + 10;
  return {Text(m), Text(n), Text(m * (n % 10)), Text(m * (n / 10)), Text(m * n)};
}

Cells DivisionCells(TRandom& random) {
  const std::uint32_t d = random.RandomBelow(89) + 10;
  const std::uint32_t q = random.RandomBelow(89) + 10;
  const std::uint32_t r = random.RandomBelow(d);
  const std::uint32_t second = d * (q % 10);
  return {Text(d),          Text(q),      Text(d * q + r), Text(d * (q / 10)),
          Text(second + r), Text(second), Text(r)};
}

Cells MakeCells(TPuzzleKind kind, TRandom& random) {
  switch (kind) {
    case pkSubtraction:
      return SubtractionCells(random);
    case pkMultiplication:
      return MultiplicationCells(random);
    case pkDivision:
      return DivisionCells(random);
    case pkAddition:
      break;
  }
  return AdditionCells(random);
}

}  // namespace

void MaskDigits(std::string& cell, TPuzzle& puzzle, TRandom& random) {
  puzzle.Answer.clear();
  const std::size_t n = cell.size();
  if (n <= 1) {
    puzzle.Answer.assign(cell);
    cell.assign(1, '?');
    puzzle.HidePos = 0;
    puzzle.TailLen = 0;
    puzzle.Mask.assign(1, '?');
    return;
  }
  const std::uint32_t pair = random.RandomBelow(2);
  const std::uint32_t p = random.RandomBelow(static_cast<std::uint32_t>(n - 1));
  puzzle.HidePos = static_cast<std::uint8_t>(p + 1);
  puzzle.TailLen = static_cast<std::uint8_t>(n - p);
  const std::size_t count = pair == 1 ? 2 : 1;
  puzzle.Answer.assign(cell, p, count);
  for (std::size_t i = p; i < p + count; ++i) cell[i] = '?';
  puzzle.Mask = std::string(count, '?');
}

TPuzzle MakePuzzle(TPuzzleKind kind, TRandom& random) {
  TPuzzle puzzle;
  puzzle.Kind = kind;
  puzzle.Cells = MakeCells(kind, random);
  const auto k = random.RandomBelow(static_cast<std::uint32_t>(puzzle.Cells.size()));
  puzzle.MaskedCell = static_cast<std::uint8_t>(k);
  MaskDigits(puzzle.Cells[k], puzzle, random);
  return puzzle;
}

TPuzzle PuzzleOf(TPuzzleKind kind, std::vector<std::string> cells, int masked, std::string answer,
                 int hidePos, int tailLen) {
  TPuzzle puzzle;
  puzzle.Kind = kind;
  puzzle.Cells = std::move(cells);
  puzzle.MaskedCell = static_cast<std::uint8_t>(masked);
  puzzle.Mask = std::string(answer.size(), '?');
  puzzle.Answer = std::move(answer);
  puzzle.HidePos = static_cast<std::uint8_t>(hidePos);
  puzzle.TailLen = static_cast<std::uint8_t>(tailLen);
  return puzzle;
}

std::string UnmaskedCell(const TPuzzle& puzzle, std::size_t index) {
  std::string text = puzzle.Cells.at(index);
  if (index != puzzle.MaskedCell) return text;
  if (puzzle.HidePos == 0) return puzzle.Answer;
  text.replace(puzzle.HidePos - 1u, puzzle.Answer.size(), puzzle.Answer);
  return text;
}

}  // namespace gapwise
