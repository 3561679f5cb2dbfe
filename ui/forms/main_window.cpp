#include "ui/forms/main_window.h"

#include "settings/store.h"
#include "ui/accessibility.h"
#include "ui/forms/info_dialog.h"
#include "ui/forms/options_dialog.h"
#include "ui/help.h"
#include "ui/puzzle_area.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/services.h"
#include "ui/toolkit/timer.h"

namespace gapwise {
namespace {

TDrillGame::SeedSource SeedOrSystem(TDrillGame::SeedSource seed) {
  return seed ? std::move(seed) : TDrillGame::SeedSource(SystemSeed);
}

}  // namespace

TForm1::TForm1(TForm1Setup setup)
    : registry_(*setup.Registry),
      form_(std::make_unique<TForm>(nullptr, bsSingle)),
      game_(*this, SeedOrSystem(std::move(setup.Seed))) {
  CreateControls();
  form_->MoveTo(372, 171);
  ConnectHandlers();
  StartUp();
}

TForm1::~TForm1() = default;

void TForm1::ConnectHandlers() {
  Button1->OnClick = [this] { Button1Click(); };
  Button2->OnClick = [this] { Button2Click(); };
  Button3->OnClick = [this] { Button3Click(); };
  Button4->OnClick = [this] { Button4Click(); };
  Button5->OnClick = [this] { Button5Click(); };
  Timer1->OnTimer = [this] { Timer1Timer(); };
  form_->OnKeyPress = [this](char c) { FormKeyPress(c); };
  form_->OnKeyDown = [this](TKey key) { FormKeyDown(key); };
  RadioGroup1->OnClick = [this](int index) { RadioGroup1Click(index); };
}

// A failed load leaves a dealt puzzle, but nobody has seen it while the error box is open: its
// countdown stands still behind the box and goes on from the full time limit once it is closed.
void TForm1::StartUp() {
  try {
    FormCreate();
  } catch (...) {
    game_.PauseCountdown();
    ShowError(ErrorText(std::current_exception()));
    RunHandler([this] { game_.ResumeCountdown(); });
  }
  FocusAnswer();
}

// The loader records the installation folder, which the "?" command needs, also when a later
// value fails to load.
void TForm1::FormCreate() {
  game_.Start(
      [this](TDrillSettings& settings) { LoadSettings(settings, installFolder_, registry_); });
}

void TForm1::Button1Click() {
  game_.Check();
}

// Closes only when the settings were saved; closing any other way saves nothing.
void TForm1::Button2Click() {
  SaveSettings(game_.Settings(), registry_);
  form_->Close();
}

// The dialog edits the game's settings in place; whatever way it closed, a new puzzle follows.
void TForm1::Button3Click() {
  game_.PauseCountdown();
  {
    TForm2 dialog(form_.get(), game_.Settings());
    dialog.ShowModal();
  }
  ApplyTimeLeftRule();
  ApplyAnswerBoxRule();
  game_.ApplySettings();
  FocusAnswer();
}

void TForm1::Button4Click() {
  game_.PauseCountdown();
  {
    TForm3 dialog(form_.get());
    dialog.ShowModal();
  }
  game_.ResumeCountdown();
}

void TForm1::Button5Click() {
  OpenHelp(form_.get(), installFolder_);
}

void TForm1::Timer1Timer() {
  game_.Tick();
}

void TForm1::FormKeyPress(char c) {
  game_.TypeKey(c);
}

void TForm1::FormKeyDown(TKey key) {
  if (key == kKeyReadPuzzle) return ReadPuzzleAgain(*this);
  if (key == kKeyReadScore) return ReadScore(*this);
  if (key == TKey::Up) game_.MoveKey(TMove::Up);
  if (key == TKey::Down) game_.MoveKey(TMove::Down);
}

void TForm1::RadioGroup1Click(int index) {
  game_.SelectChoice(index);
}

void TForm1::ApplyAnswerBoxRule() {
  StaticText1->SetVisible(!game_.Settings().MultChoice);
}

void TForm1::FocusAnswer() {
  if (game_.Settings().MultChoice) return RadioGroup1->SetFocus();
  Button1->SetFocus();
}

void TForm1::ApplyTimeLeftRule() {
  const bool timed = game_.Settings().TimeLimited;
  Label12->SetVisible(timed);
  Label13->SetVisible(timed);
}

}  // namespace gapwise
