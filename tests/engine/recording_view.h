// A view that writes down every notification of the game, for tests to compare.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/game.h"

namespace gapwise::testing {

class RecordingView : public IDrillView {
 public:
  std::vector<std::string> log;
  std::function<void()> whileMessageOpen;  // runs inside OnWrongAnswer, as a modal box's loop would
  bool tickerRunning = true;               // the window creates the ticker running

  void OnPuzzleChanged(const TPuzzle& puzzle) override { log.push_back("puzzle " + puzzle.Answer); }
  void OnChoicesChanged(const std::vector<std::string>& choices, int index) override {
    std::string line = "choices";
    for (const auto& choice : choices) line += " " + choice;
    log.push_back(line + " @" + std::to_string(index));
  }
  void OnEntryChanged(const std::string& entry) override { log.push_back("entry " + entry); }
  void OnEntryFull() override { log.push_back("full"); }
  void OnWrongAnswer(const std::string& answer, bool tell) override {
    log.push_back("beep");
    if (tell) log.push_back(kAnswerMessage + answer);
    if (whileMessageOpen) whileMessageOpen();
  }
  void OnRightAnswer() override { log.push_back("right"); }
  void OnTimeUp() override { log.push_back("time up"); }
  void OnCountersChanged(int right, int wrong, int total) override {
    log.push_back("counters " + std::to_string(right) + " " + std::to_string(wrong) + " " +
                  std::to_string(total));
  }
  void OnSecondsLeftChanged(int seconds) override {
    log.push_back("seconds " + std::to_string(seconds));
  }
  void OnFocusCheck() override { log.push_back("focus"); }
  void OnSettingsLoaded(const TDrillSettings& settings) override {
    log.push_back(std::string("loaded") + (settings.MultChoice ? " choices" : " typed") +
                  (settings.TimeLimited ? " timed" : " untimed"));
  }
  void StartTicker() override {
    if (!tickerRunning) log.push_back("ticker on");
    tickerRunning = true;
  }
  void StopTicker() override {
    if (tickerRunning) log.push_back("ticker off");
    tickerRunning = false;
  }

  std::vector<std::string> Take() {
    std::vector<std::string> taken;
    taken.swap(log);
    return taken;
  }
};

}  // namespace gapwise::testing
