#include "engine/game.h"

#include <algorithm>
#include <exception>
#include <limits>

#include "engine/choices.h"
#include "engine/seed.h"

namespace gapwise {

TDrillGame::TDrillGame(IDrillView& view, SeedSource seed)
    : view_(view), seed_(seed ? std::move(seed) : SeedSource(ClockSeed)) {}

void TDrillGame::Start(const SettingsLoader& load) {
  random_.Seed(seed_());
  right_ = 0;
  wrong_ = 0;
  settings_ = TDrillSettings{};
  puzzle_ = TPuzzle{};
  choices_.clear();
  choiceIndex_ = -1;
  view_.OnChoicesChanged(choices_, choiceIndex_);
  // A failed load still leaves a playable game: the settings read before the error stand, the
  // first puzzle is dealt, and only then does the error go on to be shown.
  std::exception_ptr loadError;
  try {
    if (load) load(settings_);
  } catch (...) {
    loadError = std::current_exception();
  }
  view_.OnSettingsLoaded(settings_);
  NextPuzzle();
  if (loadError) std::rethrow_exception(loadError);
}

// Drawing below 1 gives 0, as drawing below a count of 0 would: one step of the generator.
TPuzzleKind TDrillGame::DrawKind() {
  const auto count = static_cast<std::uint32_t>(EntriesInForce(settings_));
  return KindOfEntry(settings_.Ops[random_.RandomBelow(count)]);
}

void TDrillGame::NextPuzzle() {
  puzzle_ = MakePuzzle(DrawKind(), random_);
  view_.OnPuzzleChanged(puzzle_);
  if (settings_.MultChoice) {
    TChoices built = BuildChoices(puzzle_.Answer, random_);
    choices_ = std::move(built.Items);
    choiceIndex_ = built.Index;
    view_.OnChoicesChanged(choices_, choiceIndex_);
  } else {
    entry_.clear();
    view_.OnEntryChanged(entry_);
  }
  if (settings_.TimeLimited) {
    secondsLeft_ = settings_.TimeLimit;
    view_.OnSecondsLeftChanged(secondsLeft_);
    view_.StartTicker();
  }
}

std::string TDrillGame::GivenAnswer() const {
  if (!settings_.MultChoice) return entry_;
  if (choiceIndex_ < 0 || choiceIndex_ >= static_cast<int>(choices_.size())) return {};
  return choices_[static_cast<std::size_t>(choiceIndex_)];
}

void TDrillGame::ScoreAnswer() {
  const bool noSelection = settings_.MultChoice && choiceIndex_ == -1;
  if (!noSelection && GivenAnswer() == puzzle_.Answer) {
    ++right_;
    view_.OnRightAnswer();
  } else {
    ++wrong_;
    // While the message is open, ticks still arrive; they must not time out this puzzle again.
    scoring_ = true;
    try {
      view_.OnWrongAnswer(puzzle_.Answer, settings_.ShowRight);
    } catch (...) {
      scoring_ = false;
      throw;
    }
    scoring_ = false;
  }
  view_.OnCountersChanged(right_, wrong_, right_ + wrong_);
}

void TDrillGame::Check() {
  ScoreAnswer();
  NextPuzzle();
}

void TDrillGame::Tick() {
  if (!settings_.TimeLimited || scoring_) return;
  // A limit of 0 or less never times out; the count stops at the smallest number it can show.
  if (secondsLeft_ > std::numeric_limits<int>::min()) --secondsLeft_;
  view_.OnSecondsLeftChanged(secondsLeft_);
  if (secondsLeft_ != 0) return;
  view_.StopTicker();
  view_.OnTimeUp();
  ScoreAnswer();
  NextPuzzle();
}

void TDrillGame::PauseCountdown() {
  view_.StopTicker();
}

void TDrillGame::ResumeCountdown() {
  view_.StartTicker();
}

void TDrillGame::ApplySettings() {
  choices_.clear();
  choiceIndex_ = -1;
  view_.OnChoicesChanged(choices_, choiceIndex_);
  NextPuzzle();
}

void TDrillGame::TypeKey(char c) {
  if (settings_.MultChoice) return;
  if (c >= '0' && c <= '9') {
    if (entry_.size() < puzzle_.Answer.size()) {
      entry_.push_back(c);
      view_.OnEntryChanged(entry_);
    } else {
      view_.OnEntryFull();
    }
    view_.OnFocusCheck();
  } else if (c == kBackspace) {
    if (!entry_.empty()) {
      entry_.pop_back();
      view_.OnEntryChanged(entry_);
    }
    view_.OnFocusCheck();
  }
}

void TDrillGame::MoveKey(TMove key) {
  if (!settings_.MultChoice) return;
  const int i = choiceIndex_ + (key == TMove::Up ? -1 : 1);
  if (i < 0 || i > 3 || i == choiceIndex_) return;
  choiceIndex_ = i;
  view_.OnChoicesChanged(choices_, choiceIndex_);
}

void TDrillGame::SelectChoice(int index) {
  choiceIndex_ = index;
}

}  // namespace gapwise
