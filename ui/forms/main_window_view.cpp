// How the main window shows what the game reports.
#include <algorithm>
#include <string>

#include "engine/reading.h"
#include "ui/accessibility.h"
#include "ui/forms/main_window.h"
#include "ui/puzzle_area.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/services.h"
#include "ui/toolkit/timer.h"

namespace gapwise {

// With multiple choice the puzzle is spoken once its choices are dealt, with the selected one.
void TForm1::OnPuzzleChanged(const TPuzzle& puzzle) {
  RadioGroup1->SetCaption(Puzzle->ShowPuzzle(puzzle));
  unsaid_ = outcome_ + ShowReading(*this, puzzle);
  outcome_.clear();
  if (game_.Settings().MultChoice) return;
  form_->Announce(unsaid_);
  unsaid_.clear();
}

void TForm1::OnChoicesChanged(const std::vector<std::string>& choices, int index) {
  RadioGroup1->SetItems(choices);
  RadioGroup1->SetItemIndex(index);
  if (unsaid_.empty() || choices.empty()) return;
  form_->Announce(unsaid_ + " " + ChoiceReading(choices, index));
  unsaid_.clear();
}

void TForm1::OnEntryChanged(const std::string& entry) {
  StaticText1->SetCaption(entry);
}

void TForm1::OnEntryFull() {
  AnnounceEntryFull(*this);
}

// Returns only when the message, if any, has been closed.
void TForm1::OnWrongAnswer(const std::string& answer, bool tell) {
  outcome_ += "Wrong. ";
  Beep();
  if (tell) ShowMessage(form_.get(), kAnswerMessage + answer);
}

void TForm1::OnRightAnswer() {
  outcome_ += "Right. ";
}

void TForm1::OnTimeUp() {
  outcome_ = "Time is up. ";
}

void TForm1::OnCountersChanged(int right, int wrong, int total) {
  Label7->SetCaption(std::to_string(right));
  Label9->SetCaption(std::to_string(wrong));
  Label10->SetCaption(std::to_string(total));
  AnnounceCounters(*this);
}

// The seconds stand at their place while they fit in the score area; a longer number grows to
// the left, so that it ends at the area's inner right edge and is never cut off.
void TForm1::OnSecondsLeftChanged(int seconds) {
  Label13->SetCaption(std::to_string(seconds));
  const int innerRight = Panel2->Width() - 1;
  Label13->SetLeft(std::min(kSecondsLeft, innerRight - Label13->Width()));
  AnnounceSecondsLeft(*this, seconds);
}

void TForm1::OnFocusCheck() {
  Button1->SetFocus();
}

void TForm1::OnSettingsLoaded(const TDrillSettings& /*settings*/) {
  ApplyAnswerBoxRule();
  ApplyTimeLeftRule();
}

void TForm1::StartTicker() {
  Timer1->SetEnabled(true);
}

void TForm1::StopTicker() {
  Timer1->SetEnabled(false);
}

}  // namespace gapwise
