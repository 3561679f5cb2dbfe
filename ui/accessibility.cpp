#include "ui/accessibility.h"

#include "engine/reading.h"
#include "ui/main_window.h"
#include "ui/puzzle_area.h"
#include "ui/toolkit/accessible_widgets.h"
#include "ui/toolkit/announcer.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/static_text.h"

namespace gapwise {
namespace {

constexpr const char* kAnnouncerName = "Announcer";

// Speaks text through the window's announcer, once the window is on the screen.
void Announce(TForm1& form, const QString& text) {
  auto* announcer = static_cast<TAnnouncer*>(form.findChild<QWidget*>(kAnnouncerName));
  if (announcer != nullptr && form.isVisible()) announcer->Announce(text);
}

}  // namespace

void MakeReadable(TForm1& form) {
  (new TAnnouncer(&form))->setObjectName(kAnnouncerName);
  SetReading(form.Panel1, QString(), QString());
  SetAccessibleText(form.StaticText1, QStringLiteral("Answer"));
  PairWithTitle(form.Label7, QStringLiteral("Right"));
  PairWithTitle(form.Label9, QStringLiteral("Wrong"));
  PairWithTitle(form.Label10, QStringLiteral("Total"));
  PairWithTitle(form.Label13, QStringLiteral("Time left"));
}

void ReadPuzzleAloud(TForm1& form, const TPuzzle& puzzle) {
  const TPuzzleReading reading = ReadPuzzle(puzzle);
  const QString text = QString::fromStdString(reading.Text);
  SetReading(form.Panel1, text, QString::fromStdString(reading.Description));
  Announce(form, text);
  const std::string caption = form.RadioGroup1->Caption().toStdString();
  SetAccessibleText(form.RadioGroup1, QString::fromStdString(SpokenText(caption)));
}

void AnnounceCounters(TForm1& form) {
  for (TLabel* counter : {form.Label7, form.Label9, form.Label10}) AnnounceName(counter);
}

bool IsAnnouncedSecond(int seconds) {
  return seconds == 10 || seconds == 5;
}

void AnnounceSecondsLeft(TForm1& form, int seconds) {
  if (!IsAnnouncedSecond(seconds)) return;
  AnnounceName(form.Label13);
  Announce(form, QStringLiteral("%1 seconds left").arg(seconds));
}

}  // namespace gapwise
