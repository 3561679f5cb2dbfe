// The running drill: settings, counters, the current puzzle, the answer being given, the countdown.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/puzzle.h"
#include "engine/random.h"
#include "engine/types.h"

namespace gapwise {

// What the game reports to its view. Each call is handled completely before the game goes on.
class IDrillView {
 public:
  virtual ~IDrillView() = default;
  virtual void OnPuzzleChanged(const TPuzzle& /*puzzle*/) {}
  virtual void OnChoicesChanged(const std::vector<std::string>& /*choices*/, int /*index*/) {}
  virtual void OnEntryChanged(const std::string& /*entry*/) {}
  // A digit was typed that the answer has no room for; the entry stays as it was.
  virtual void OnEntryFull() {}
  // Beep at once; show "The answer is " + answer only when tell; return once it was closed.
  virtual void OnWrongAnswer(const std::string& /*answer*/, bool /*tell*/) {}
  // The answer given was right; nothing is shown or sounded.
  virtual void OnRightAnswer() {}
  // The countdown has reached zero: the answer given so far is scored next.
  virtual void OnTimeUp() {}
  virtual void OnCountersChanged(int /*right*/, int /*wrong*/, int /*total*/) {}
  virtual void OnSecondsLeftChanged(int /*seconds*/) {}
  virtual void OnFocusCheck() {}
  // The stored settings are in: show or hide the answer box and the time-left display.
  virtual void OnSettingsLoaded(const TDrillSettings& /*settings*/) {}
  // The one-second ticker: starting a running one keeps its phase; stopping a stopped one is a
  // no-op.
  virtual void StartTicker() {}
  virtual void StopTicker() {}
};

// The arrow keys that move the selection among the choices.
enum class TMove : std::uint8_t { Up, Down };
inline constexpr char kBackspace = 8;
inline const std::string kAnswerMessage = "The answer is ";

class TDrillGame {
 public:
  using SeedSource = std::function<std::uint32_t()>;
  using SettingsLoader = std::function<void(TDrillSettings&)>;  // may throw; keeps what it read

  explicit TDrillGame(IDrillView& view, SeedSource seed = nullptr);

  // Seeds, sets the defaults, loads the stored settings and deals the first puzzle.
  // A loader error is rethrown after the game has dealt its first puzzle with what was loaded.
  void Start(const SettingsLoader& load);
  void NextPuzzle();
  void ScoreAnswer();
  void Check();
  void Tick();
  void PauseCountdown();
  void ResumeCountdown();
  void ApplySettings();

  // Answer entry: a typed character, a key code from key-down, a selection made in the list.
  void TypeKey(char c);
  void MoveKey(TMove key);
  void SelectChoice(int index);

  TDrillSettings& Settings() { return settings_; }
  const TDrillSettings& Settings() const { return settings_; }
  int Right() const { return right_; }
  int Wrong() const { return wrong_; }
  int SecondsLeft() const { return secondsLeft_; }
  const TPuzzle& Puzzle() const { return puzzle_; }
  const std::string& Entry() const { return entry_; }
  const std::vector<std::string>& Choices() const { return choices_; }
  int ChoiceIndex() const { return choiceIndex_; }
  TRandom& Random() { return random_; }

 private:
  TPuzzleKind DrawKind();
  std::string GivenAnswer() const;

  IDrillView& view_;
  SeedSource seed_;
  TRandom random_;
  TDrillSettings settings_;
  int right_ = 0;
  int wrong_ = 0;
  int secondsLeft_ = 0;
  TPuzzle puzzle_;
  std::string entry_;
  std::vector<std::string> choices_;
  int choiceIndex_ = -1;
  bool scoring_ = false;  // a scored answer's message is open
};

}  // namespace gapwise
