#include "ui/accessibility.h"

#include "engine/reading.h"
#include "ui/main_window.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/radio_group.h"

namespace gapwise {

void MakeReadable(TForm1& form) {
  form.Panel1->SetReading("", "");
  form.StaticText1->SetAccessibleName("Answer");
  form.Label7->SetAccessibleTitle("Right");
  form.Label9->SetAccessibleTitle("Wrong");
  form.Label10->SetAccessibleTitle("Total");
  form.Label13->SetAccessibleTitle("Time left");
}

void ReadPuzzleAloud(TForm1& form, const TPuzzle& puzzle) {
  const TPuzzleReading reading = ReadPuzzle(puzzle);
  form.Panel1->SetReading(reading.Text, reading.Description);
  form.Form().Announce(reading.Text);
  form.RadioGroup1->SetAccessibleName(SpokenText(form.RadioGroup1->Caption()));
}

void AnnounceCounters(TForm1& form) {
  for (TLabel* counter : {form.Label7, form.Label9, form.Label10}) counter->AnnounceName();
}

bool IsAnnouncedSecond(int seconds) {
  return seconds == 10 || seconds == 5;
}

void AnnounceSecondsLeft(TForm1& form, int seconds) {
  if (!IsAnnouncedSecond(seconds)) return;
  form.Label13->AnnounceName();
  form.Form().Announce(std::to_string(seconds) + " seconds left");
}

}  // namespace gapwise
