#include "ui/accessibility.h"

#include "engine/reading.h"
#include "ui/forms/main_window.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/radio_group.h"

namespace gapwise {
namespace {

constexpr const char* kKeys = "F2 reads the puzzle again, F3 the score and the time left.";

}  // namespace

void MakeReadable(TForm1& form) {
  form.StaticText1->SetAccessibleName("Answer");
  form.Label7->SetAccessibleTitle("Right");
  form.Label9->SetAccessibleTitle("Wrong");
  form.Label10->SetAccessibleTitle("Total");
  form.Label13->SetAccessibleTitle("Time left");
  form.Button5->SetAccessibleName("Help");
}

std::string ShowReading(TForm1& form, const TPuzzle& puzzle) {
  const TPuzzleReading reading = ReadPuzzle(puzzle);
  form.Panel1->SetReading(reading.Text, reading.Description + ". " + kKeys);
  form.RadioGroup1->SetAccessibleName(SpokenText(form.RadioGroup1->Caption()));
  return Utterance(reading);
}

void ReadPuzzleAgain(TForm1& form) {
  const TDrillGame& game = form.Game();
  const std::string entered = game.Settings().MultChoice
                                  ? ChoiceReading(game.Choices(), game.ChoiceIndex())
                                  : EntryReading(game.Puzzle(), game.Entry());
  form.Form().Announce(Utterance(ReadPuzzle(game.Puzzle())) + " " + entered);
}

void AnnounceEntryFull(TForm1& form) {
  form.Form().Announce(EntryFullNotice(form.Game().Puzzle()));
}

void ReadScore(TForm1& form) {
  const TDrillGame& game = form.Game();
  std::string text = "Right " + std::to_string(game.Right()) + ", wrong " +
                     std::to_string(game.Wrong()) + ", total " +
                     std::to_string(game.Right() + game.Wrong());
  if (game.Settings().TimeLimited) text += ", " + form.Label13->Caption() + " seconds left";
  form.Form().Announce(text + ".");
}

void AnnounceCounters(TForm1& form) {
  for (TLabel* counter : {form.Label7, form.Label9, form.Label10}) counter->AnnounceName();
}

bool IsAnnouncedSecond(int seconds) {
  return seconds == 10 || seconds == 5;
}

// A puzzle that starts with 10 or 5 seconds is heard being read, not the countdown.
void AnnounceSecondsLeft(TForm1& form, int seconds) {
  if (!IsAnnouncedSecond(seconds) || seconds >= form.Game().Settings().TimeLimit) return;
  form.Label13->AnnounceName();
  form.Form().Announce(std::to_string(seconds) + " seconds left");
}

}  // namespace gapwise
