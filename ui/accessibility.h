// What the main window tells a screen reader: the puzzle read as one text and spoken with the
// outcome of the last answer, the named answer box and choice list, the counters with their
// titles, the seconds left only at 10 and at 5, and on request the puzzle or the score again.
#pragma once

#include <cstdint>
#include <string>

#include "engine/puzzle.h"
#include "ui/toolkit/keys.h"

namespace gapwise {

class TForm1;

// The keys that read the puzzle again and the score (F2 and F3, which no screen reader takes).
inline constexpr TKey kKeyReadPuzzle = FunctionKey(2);
inline constexpr TKey kKeyReadScore = FunctionKey(3);

// Names the controls that have no text of their own; call once, when the controls exist.
void MakeReadable(TForm1& form);

// The puzzle area reads the new puzzle and the choice list its caption. Returns what is said of
// the puzzle; the main window speaks it after the outcome of the last answer, with typed answers
// at once, with multiple choice once the choices are dealt, followed by the selected one.
std::string ShowReading(TForm1& form, const TPuzzle& puzzle);

// Speaks the puzzle again, then what has been entered or chosen.
void ReadPuzzleAgain(TForm1& form);

// Speaks that the answer has no room for another digit.
void AnnounceEntryFull(TForm1& form);

// Speaks the counters and, with a time limit, the seconds left.
void ReadScore(TForm1& form);

// Announces the counters after they changed.
void AnnounceCounters(TForm1& form);

// The seconds that are announced when the countdown reaches them: 10 and 5.
bool IsAnnouncedSecond(int seconds);

// Speaks "10 seconds left" and "5 seconds left" when the countdown reaches them, not when a
// puzzle starts with them.
void AnnounceSecondsLeft(TForm1& form, int seconds);

}  // namespace gapwise
