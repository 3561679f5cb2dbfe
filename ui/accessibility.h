// What the main window tells a screen reader: the puzzle read as one text, the named answer box
// and choice list, the counters with their titles, and the seconds left only at 10 and at 5.
#pragma once

#include "engine/puzzle.h"

namespace gapwise {

class TForm1;

// Names the controls that have no text of their own; call once, when the controls exist.
void MakeReadable(TForm1& form);

// The puzzle area reads the new puzzle and the choice list its caption; the puzzle is spoken.
void ReadPuzzleAloud(TForm1& form, const TPuzzle& puzzle);

// Announces the counters after they changed.
void AnnounceCounters(TForm1& form);

// The seconds that are announced when the countdown reaches them: 10 and 5.
bool IsAnnouncedSecond(int seconds);

// Speaks "10 seconds left" and "5 seconds left" when the countdown reaches them.
void AnnounceSecondsLeft(TForm1& form, int seconds);

}  // namespace gapwise
