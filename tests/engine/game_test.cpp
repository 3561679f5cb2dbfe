#include "engine/game.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <stdexcept>

#include "recording_view.h"

namespace gapwise {
namespace {

using Log = std::vector<std::string>;
using Configure = std::function<void(TDrillSettings&)>;
using testing::RecordingView;

class GameTest : public ::testing::Test {
 protected:
  void StartWith(std::uint32_t seed, const Configure& configure = {}) {
    game = std::make_unique<TDrillGame>(view, [seed] { return seed; });
    game->Start([&](TDrillSettings& settings) {
      if (configure) configure(settings);
    });
  }

  // Starts the first game, by seed, whose first puzzle is one the test needs.
  void StartWhere(const std::function<bool(const TDrillGame&)>& wanted,
                  const Configure& configure = {}) {
    for (std::uint32_t seed = 1; seed < 100000; ++seed) {
      StartWith(seed, configure);
      if (wanted(*game)) {
        view.Take();
        return;
      }
    }
    FAIL() << "no seed gives the puzzle this test needs";
  }

  void Type(const std::string& keys) {
    for (const char c : keys) game->TypeKey(c);
  }

  RecordingView view;
  std::unique_ptr<TDrillGame> game;
};

Configure Timed(int seconds) {
  return [seconds](TDrillSettings& s) { s.TimeLimit = seconds; };
}

Configure MultipleChoice() {
  return [](TDrillSettings& s) { s.MultChoice = true; };
}

TEST_F(GameTest, StartDealsTheFirstPuzzleWithoutReportingCounters) {
  StartWith(7);
  const std::string answer = game->Puzzle().Answer;
  EXPECT_EQ(view.Take(),
            (Log{"choices @-1", "loaded typed timed", "puzzle " + answer, "entry ", "seconds 30"}));
  EXPECT_EQ(game->Right() + game->Wrong(), 0);
}

TEST_F(GameTest, StartInMultipleChoiceModeOffersFourValuesWithTheFirstSelected) {
  StartWith(7, MultipleChoice());
  const Log log = view.Take();
  ASSERT_EQ(log.size(), 5u);
  EXPECT_EQ(log[1], "loaded choices timed");
  EXPECT_EQ(log[3].substr(0, 7), "choices");
  EXPECT_EQ(log[3].substr(log[3].size() - 2), "@0");
  EXPECT_EQ(game->Choices().size(), 4u);
}

TEST_F(GameTest, TheSeedFixesTheSequenceOfPuzzles) {
  StartWith(42);
  const TPuzzle first = game->Puzzle();
  game->NextPuzzle();
  const TPuzzle second = game->Puzzle();
  StartWith(42);
  EXPECT_EQ(game->Puzzle(), first);
  game->NextPuzzle();
  EXPECT_EQ(game->Puzzle(), second);
}

TEST_F(GameTest, AnswersAreComparedAsTextSoFiveIsNotZeroFive) {
  StartWhere([](const TDrillGame& g) {
    return g.Puzzle().Answer.starts_with("0") && g.Puzzle().Answer.size() == 2;
  });
  const std::string answer = game->Puzzle().Answer;
  Type(answer.substr(1));
  view.Take();
  game->Check();
  const Log log = view.Take();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[0], "beep");
  EXPECT_EQ(log[1], "The answer is " + answer);
  EXPECT_EQ(log[2], "counters 0 1 1");
}

TEST_F(GameTest, ARightAnswerCountsWithoutSoundOrMessage) {
  StartWith(11);
  Type(game->Puzzle().Answer);
  view.Take();
  game->Check();
  const Log log = view.Take();
  EXPECT_EQ(log[0], "right");
  EXPECT_EQ(log[1], "counters 1 0 1");
  EXPECT_EQ(log[2].substr(0, 6), "puzzle");
  EXPECT_EQ(game->Right(), 1);
}

TEST_F(GameTest, WithoutShowRightAWrongAnswerOnlyBeeps) {
  StartWith(11, [](TDrillSettings& s) { s.ShowRight = false; });
  view.Take();
  game->Check();
  const Log log = view.Take();
  EXPECT_EQ(log[0], "beep");
  EXPECT_EQ(log[1], "counters 0 1 1");
}

TEST_F(GameTest, FiveSecondsCountDownToZeroAndTimeOutAtTheFifthTick) {
  StartWith(3, Timed(5));
  EXPECT_EQ(view.Take().back(), "seconds 5");
  for (int left = 4; left >= 1; --left) {
    game->Tick();
    EXPECT_EQ(view.Take(), Log{"seconds " + std::to_string(left)});
  }
  const std::string answer = game->Puzzle().Answer;
  game->Tick();
  const Log log = view.Take();
  ASSERT_EQ(log.size(), 10u);
  EXPECT_EQ(log[0], "seconds 0");
  EXPECT_EQ(log[1], "ticker off");
  EXPECT_EQ(log[2], "time up");
  EXPECT_EQ(log[3], "beep");
  EXPECT_EQ(log[4], "The answer is " + answer);
  EXPECT_EQ(log[5], "counters 0 1 1");
  EXPECT_EQ(log[7], "entry ");
  EXPECT_EQ(log[8], "seconds 5");
  EXPECT_EQ(log[9], "ticker on");
}

TEST_F(GameTest, TicksDuringTheMessageOfACheckNeverScoreThePuzzleAgain) {
  StartWith(3, Timed(5));
  for (int i = 0; i < 4; ++i) game->Tick();
  view.whileMessageOpen = [this] {
    for (int i = 0; i < 3; ++i) game->Tick();
  };
  view.Take();
  game->Check();
  view.whileMessageOpen = nullptr;
  EXPECT_EQ(game->Wrong(), 1);
  EXPECT_EQ(game->Right(), 0);
  EXPECT_EQ(game->SecondsLeft(), 5);
  int counters = 0;
  for (const std::string& line : view.Take()) counters += line.starts_with("counters");
  EXPECT_EQ(counters, 1);
}

TEST_F(GameTest, WithoutATimeLimitTicksChangeNothing) {
  StartWith(3, [](TDrillSettings& s) { s.TimeLimited = false; });
  const Log start = view.Take();
  for (const std::string& line : start) EXPECT_FALSE(line.starts_with("seconds")) << line;
  for (int i = 0; i < 40; ++i) game->Tick();
  EXPECT_TRUE(view.Take().empty());
  EXPECT_EQ(game->Wrong(), 0);
}

// The smallest limit a hand-edited store can hold must not overflow: the count stops there.
TEST_F(GameTest, ALimitOfZeroOrLessCountsBelowZeroWithoutTimingOut) {
  const std::string min = std::to_string(std::numeric_limits<int>::min());
  const std::vector<std::pair<int, Log>> table = {
      {0, {"seconds -1", "seconds -2"}},
      {-5, {"seconds -6", "seconds -7"}},
      {std::numeric_limits<int>::min(), {"seconds " + min, "seconds " + min}},
  };
  for (const auto& [limit, shown] : table) {
    StartWith(3, Timed(limit));
    view.Take();
    game->Tick();
    game->Tick();
    EXPECT_EQ(view.Take(), shown) << limit;
    EXPECT_EQ(game->Wrong(), 0);
  }
}

TEST_F(GameTest, ATimeOutInMultipleChoiceScoresTheSelectedFirstEntry) {
  StartWhere([](const TDrillGame& g) { return g.Choices()[0] == g.Puzzle().Answer; },
             [](TDrillSettings& s) {
               s.MultChoice = true;
               s.TimeLimit = 5;
             });
  for (int i = 0; i < 5; ++i) game->Tick();
  EXPECT_EQ(game->Right(), 1);
  EXPECT_EQ(game->Wrong(), 0);
}

// Before the first puzzle the answer is empty, as is the text of no selection: only the missing
// selection makes the answer wrong, while an empty typed entry equals the empty answer.
TEST_F(GameTest, NoSelectionIsWrongWithoutComparing) {
  for (const bool choices : {true, false}) {
    game = std::make_unique<TDrillGame>(view);
    game->Settings().MultChoice = choices;
    game->ScoreAnswer();
    EXPECT_EQ(game->Wrong(), choices ? 1 : 0);
    EXPECT_EQ(game->Right(), choices ? 0 : 1);
  }
}

TEST_F(GameTest, OneEnabledKindIsTheOnlyKindDealt) {
  StartWith(5, [](TDrillSettings& s) {
    s.Checked = 1;
    s.Ops[0] = pkMultiplication;
  });
  for (int i = 0; i < 200; ++i) {
    EXPECT_EQ(game->Puzzle().Kind, pkMultiplication);
    game->NextPuzzle();
  }
}

// Counts or codes out of range come only from a hand-edited store; they must deal sound puzzles.
TEST_F(GameTest, OutOfRangeSettingsStillDealKnownKinds) {
  const std::vector<Configure> broken = {
      [](TDrillSettings& s) { s.Checked = 0; },
      [](TDrillSettings& s) { s.Checked = 200; },
      [](TDrillSettings& s) {
        s.Checked = 0;
        s.Ops[0] = pkDivision;
      },
      [](TDrillSettings& s) {
        s.Ops = {9, 255, 4, 3};
      },
  };
  for (const Configure& configure : broken) {
    StartWith(8, configure);
    std::vector<int> seen(4);
    for (int i = 0; i < 400; ++i) {
      const TPuzzle& puzzle = game->Puzzle();
      ASSERT_LT(puzzle.Kind, 4);
      ASSERT_FALSE(puzzle.Answer.empty());
      ++seen[puzzle.Kind];
      game->NextPuzzle();
    }
    // What the options dialog ticks for these settings is what the game deals.
    const std::array<bool, kKindCount> dealt = KindsDealt(game->Settings());
    for (int kind = 0; kind < kKindCount; ++kind) EXPECT_EQ(seen[kind] > 0, dealt[kind]) << kind;
  }
}

TEST_F(GameTest, AFailedLoadKeepsWhatWasReadDealsAPuzzleAndThenReportsTheError) {
  game = std::make_unique<TDrillGame>(view, [] { return 1u; });
  try {
    game->Start([](TDrillSettings& s) {
      s.TimeLimited = false;
      throw std::runtime_error("Invalid data type for 'timelimit'");
    });
    FAIL() << "the load error must reach the caller";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "Invalid data type for 'timelimit'");
  }
  EXPECT_FALSE(game->Settings().TimeLimited);
  EXPECT_FALSE(game->Puzzle().Answer.empty());
  const Log log = view.Take();
  EXPECT_EQ(log[1], "loaded typed untimed");
  Type(game->Puzzle().Answer);
  game->Check();
  EXPECT_EQ(game->Right(), 1);
}

TEST_F(GameTest, ApplySettingsDropsThePuzzleUnscoredAndRestartsTheCountdown) {
  StartWith(9, MultipleChoice());
  game->Check();
  game->Tick();
  game->PauseCountdown();
  view.Take();
  game->Settings().MultChoice = false;
  game->ApplySettings();
  const Log log = view.Take();
  EXPECT_EQ(log[0], "choices @-1");
  EXPECT_EQ(log[2], "entry ");
  EXPECT_EQ(log[3], "seconds 30");
  EXPECT_EQ(log[4], "ticker on");
  EXPECT_EQ(game->Right() + game->Wrong(), 1);
}

TEST_F(GameTest, ApplySettingsWithoutATimeLimitLeavesTheTickerStopped) {
  StartWith(9);
  game->PauseCountdown();
  game->Settings().TimeLimited = false;
  view.Take();
  game->ApplySettings();
  EXPECT_FALSE(view.tickerRunning);
}

TEST_F(GameTest, PauseAndResumeKeepThePuzzleTheEntryAndTheSecondsLeft) {
  StartWhere([](const TDrillGame& g) { return g.Puzzle().Answer.size() == 2; });
  for (int i = 0; i < 23; ++i) game->Tick();
  Type("1");
  const TPuzzle puzzle = game->Puzzle();
  view.Take();
  game->PauseCountdown();
  game->ResumeCountdown();
  EXPECT_EQ(view.Take(), (Log{"ticker off", "ticker on"}));
  EXPECT_EQ(game->SecondsLeft(), 7);
  EXPECT_EQ(game->Entry(), "1");
  EXPECT_EQ(game->Puzzle(), puzzle);
}

// Answer entry: each row types keys into a fresh puzzle and expects the entry and notifications.
struct TypeCase {
  std::size_t answerLength;
  std::string keys;
  std::string entry;
  Log log;
  friend std::ostream& operator<<(std::ostream& out, const TypeCase& c) {
    return out << "answer of " << c.answerLength << ", keys of " << c.keys.size();
  }
};

class TypeKeyTest : public GameTest, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(TypeKeyTest, EditsTheEntryWithinTheAnswersLength) {
  const TypeCase& c = GetParam();
  StartWhere([&c](const TDrillGame& g) { return g.Puzzle().Answer.size() == c.answerLength; });
  Type(c.keys);
  EXPECT_EQ(game->Entry(), c.entry);
  EXPECT_EQ(view.Take(), c.log);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TypeKeyTest,
    ::testing::Values(
        TypeCase{1, "45", "4", {"entry 4", "focus", "full", "focus"}},
        TypeCase{2, "123", "12", {"entry 1", "focus", "entry 12", "focus", "full", "focus"}},
        TypeCase{1, "\b", "", {"focus"}},
        TypeCase{2, "7\b", "", {"entry 7", "focus", "entry ", "focus"}},
        TypeCase{1, "a \r\x1b", "", {}}));

TEST_F(GameTest, InMultipleChoiceModeTypedKeysDoNothing) {
  StartWith(4, MultipleChoice());
  view.Take();
  Type("12\b");
  EXPECT_TRUE(view.Take().empty());
  EXPECT_EQ(game->ChoiceIndex(), 0);
}

TEST_F(GameTest, UpAndDownMoveTheSelectionWithoutWrapping) {
  StartWith(4, MultipleChoice());
  view.Take();
  game->MoveKey(TMove::Up);
  EXPECT_EQ(game->ChoiceIndex(), 0);
  EXPECT_TRUE(view.Take().empty());
  for (int i = 0; i < 5; ++i) game->MoveKey(TMove::Down);
  EXPECT_EQ(game->ChoiceIndex(), 3);
  EXPECT_EQ(view.Take().size(), 3u);
  game->SelectChoice(-1);
  game->MoveKey(TMove::Up);
  EXPECT_EQ(game->ChoiceIndex(), -1);
  game->MoveKey(TMove::Down);
  EXPECT_EQ(game->ChoiceIndex(), 0);
}

TEST_F(GameTest, MoveKeysDoNothingInTypedMode) {
  StartWith(4);
  view.Take();
  game->MoveKey(TMove::Down);
  EXPECT_EQ(game->ChoiceIndex(), -1);
  EXPECT_TRUE(view.Take().empty());
}

TEST_F(GameTest, SelectingInTheListIsScoredWithoutANotification) {
  StartWhere([](const TDrillGame& g) { return g.Choices()[2] == g.Puzzle().Answer; },
             MultipleChoice());
  game->SelectChoice(2);
  EXPECT_TRUE(view.Take().empty());
  game->Check();
  EXPECT_EQ(game->Right(), 1);
}

}  // namespace
}  // namespace gapwise
