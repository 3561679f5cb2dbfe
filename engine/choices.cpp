#include "engine/choices.h"

#include <bitset>
#include <optional>

#include "engine/convert.h"

namespace gapwise {
namespace {

bool IsDigits(const std::string& text) {
  return text.find_first_not_of("0123456789") == std::string::npos;
}

// The answer's value when it is one or two digits; anything else has no value to draw against.
std::optional<int> AnswerValue(const std::string& answer) {
  if (answer.empty() || answer.size() > 2 || !IsDigits(answer)) return std::nullopt;
  return StrToInt(answer);
}

std::string ChoiceText(std::uint32_t value, bool twoDigits) {
  std::string text = std::to_string(value);
  if (twoDigits && value < 10) text.insert(0, 1, '0');
  return text;
}

}  // namespace

TChoices BuildChoices(const std::string& answer, TRandom& random) {
  const bool twoDigits = answer.size() == 2;
  const std::uint32_t bound = twoDigits ? 99 : 10;
  std::bitset<100> drawn;
  TChoices choices;
  while (choices.Items.size() < 4) {
    const std::uint32_t n = random.RandomBelow(bound);
    if (drawn[n]) continue;
    drawn[n] = true;
    choices.Items.push_back(ChoiceText(n, twoDigits));
  }
  const std::uint32_t p = random.RandomBelow(4);
  const auto value = AnswerValue(answer);
  if (!value || !drawn[static_cast<std::size_t>(*value)]) choices.Items[p] = answer;
  choices.Index = 0;
  return choices;
}

}  // namespace gapwise
