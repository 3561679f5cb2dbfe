// How the main window shows what the game reports.
#include "ui/main_window.h"

#include <QPushButton>
#include <algorithm>

#include "ui/accessibility.h"
#include "ui/puzzle_area.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/static_text.h"
#include "ui/toolkit/timer.h"

namespace gapwise {

void TForm1::OnPuzzleChanged(const TPuzzle& puzzle) {
  RadioGroup1->SetCaption(Puzzle->ShowPuzzle(puzzle));
  ReadPuzzleAloud(*this, puzzle);
}

void TForm1::OnChoicesChanged(const std::vector<std::string>& choices, int index) {
  QStringList items;
  for (const std::string& choice : choices) items << QString::fromStdString(choice);
  RadioGroup1->SetItems(items);
  RadioGroup1->SetItemIndex(index);
}

void TForm1::OnEntryChanged(const std::string& entry) {
  StaticText1->SetCaption(QString::fromStdString(entry));
}

// Returns only when the message, if any, has been closed.
void TForm1::OnWrongAnswer(const std::string& answer, bool tell) {
  Beep();
  if (tell) ShowMessage(this, QString::fromStdString(kAnswerMessage + answer));
}

void TForm1::OnCountersChanged(int right, int wrong, int total) {
  Label7->SetCaption(QString::number(right));
  Label9->SetCaption(QString::number(wrong));
  Label10->SetCaption(QString::number(total));
  AnnounceCounters(*this);
}

// The seconds stand at their place while they fit in the score area; a longer number grows to
// the left, so that it ends at the area's inner right edge and is never cut off.
void TForm1::OnSecondsLeftChanged(int seconds) {
  Label13->SetCaption(QString::number(seconds));
  const int innerRight = Panel2->width() - 1;
  Label13->move(std::min(kSecondsLeft, innerRight - Label13->width()), Label13->y());
  AnnounceSecondsLeft(*this, seconds);
}

void TForm1::OnFocusCheck() {
  Button1->setFocus();
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
