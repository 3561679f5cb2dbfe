// The main window TForm1: the view of the running drill game and the home of its commands.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/game.h"

namespace gapwise {

enum class TKey : std::uint16_t;  // ui/toolkit/keys.h

namespace reg {
class IRegistry;
}
class TButton;
class TForm;
class TLabel;
class TPanel;
class TPuzzleArea;
class TRadioGroup;
class TStaticText;
class TTimer;

// Where the window's game comes from: the registry that holds the settings, and the random seed
// (the system's when empty). Tests give a registry over temporary files and a fixed seed.
struct TForm1Setup {
  reg::IRegistry* Registry = nullptr;
  TDrillGame::SeedSource Seed;
};

// Where the seconds left stand in the score area while they fit.
inline constexpr int kSecondsLeft = 104;

// The main window. Its controls keep their designer names: Button1 "Check" checks the answer,
// Button2 "Exit" saves the settings and ends the game, Button3 "Options" opens TForm2, Button4
// "Info" opens TForm3, Button5 "?" opens the help file; RadioGroup1 holds the four choices,
// StaticText1 the typed answer, Panel1 the puzzle and Panel2 the score.
class TForm1 : public IDrillView {
 public:
  // Makes the controls, then runs FormCreate: the game starts and deals its first puzzle before
  // the window is shown. An error in FormCreate is shown in the error box; the window still works.
  explicit TForm1(TForm1Setup setup);
  ~TForm1() override;

  TForm& Form() const { return *form_; }
  TDrillGame& Game() { return game_; }
  const std::string& InstallFolder() const { return installFolder_; }

  // The visibility rules: the answer box in typed mode, the time-left display with a time limit.
  void ApplyAnswerBoxRule();
  void ApplyTimeLeftRule();
  // The focus on the selected choice with multiple choice, else on Check.
  void FocusAnswer();

  // The game's notifications.
  void OnPuzzleChanged(const TPuzzle& puzzle) override;
  void OnChoicesChanged(const std::vector<std::string>& choices, int index) override;
  void OnEntryChanged(const std::string& entry) override;
  void OnEntryFull() override;
  void OnWrongAnswer(const std::string& answer, bool tell) override;
  void OnRightAnswer() override;
  void OnTimeUp() override;
  void OnCountersChanged(int right, int wrong, int total) override;
  void OnSecondsLeftChanged(int seconds) override;
  void OnFocusCheck() override;
  void OnSettingsLoaded(const TDrillSettings& settings) override;
  void StartTicker() override;
  void StopTicker() override;

  // The controls, back to front.
  TPanel* Panel1 = nullptr;
  TButton* Button1 = nullptr;
  TRadioGroup* RadioGroup1 = nullptr;
  TButton* Button2 = nullptr;
  TPanel* Panel2 = nullptr;
  TButton* Button3 = nullptr;
  TButton* Button4 = nullptr;
  TStaticText* StaticText1 = nullptr;
  TButton* Button5 = nullptr;
  TLabel* Label4 = nullptr;  // in Panel2
  TLabel* Label5 = nullptr;
  TLabel* Label6 = nullptr;
  TLabel* Label7 = nullptr;
  TLabel* Label9 = nullptr;
  TLabel* Label10 = nullptr;
  TLabel* Label12 = nullptr;
  TLabel* Label13 = nullptr;
  TTimer* Timer1 = nullptr;
  std::unique_ptr<TPuzzleArea> Puzzle;  // Panel1's inner panels and labels

 private:
  void CreateControls();
  void CreateScoreArea();
  void ConnectHandlers();

  void StartUp();
  void FormCreate();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Timer1Timer();
  void FormKeyPress(char c);
  void FormKeyDown(TKey key);
  void RadioGroup1Click(int index);

  reg::IRegistry& registry_;
  std::unique_ptr<TForm> form_;
  std::unique_ptr<TTimer> timer_;
  TDrillGame game_;
  std::string installFolder_;
  std::string outcome_;  // of the answer just scored, spoken before the next puzzle
  std::string unsaid_;   // the new puzzle's reading, spoken with its choices
};

}  // namespace gapwise
