#include "ui/main_window.h"

#include <QPushButton>
#include <QScopeGuard>

#include "settings/dialog/options_dialog.h"
#include "settings/hive_paths.h"
#include "settings/store.h"
#include "ui/help.h"
#include "ui/info_dialog.h"
#include "ui/puzzle_area.h"
#include "ui/toolkit/application.h"
#include "ui/toolkit/key_preview.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/message_box.h"
#include "ui/toolkit/radio_group.h"
#include "ui/toolkit/static_text.h"
#include "ui/toolkit/timer.h"

namespace gapwise {

TForm1Setup DefaultSetup() {
  return TForm1Setup{DefaultHivePaths(), nullptr};
}

TForm1::TForm1(TForm1Setup setup)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      hives_(std::move(setup.Hives)),
      game_(*this, std::move(setup.Seed)) {
  CreateControls();
  move(372, 171);
  ConnectHandlers();
  StartUp();
}

TForm1::~TForm1() = default;

// Each handler runs guarded: an error that escapes it is shown in the error box right there,
// before it could unwind through the toolkit's own code.
void TForm1::ConnectHandlers() {
  const auto click = [this](QPushButton* button, void (TForm1::*handler)()) {
    connect(button, &QPushButton::clicked, this,
            [this, handler] { RunHandler([this, handler] { (this->*handler)(); }); });
  };
  click(Button1, &TForm1::Button1Click);
  click(Button2, &TForm1::Button2Click);
  click(Button3, &TForm1::Button3Click);
  click(Button4, &TForm1::Button4Click);
  click(Button5, &TForm1::Button5Click);
  Timer1->OnTimer = [this] { RunHandler([this] { Timer1Timer(); }); };
  keyPreview_->OnKeyPress = [this](char c) { RunHandler([this, c] { FormKeyPress(c); }); };
  keyPreview_->OnKeyDown = [this](std::uint16_t key) {
    RunHandler([this, key] { FormKeyDown(key); });
  };
  RadioGroup1->OnClick = [this](int index) {
    RunHandler([this, index] { RadioGroup1Click(index); });
  };
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
}

// The loader records the installation folder, which the "?" command needs, also when a later
// value fails to load.
void TForm1::FormCreate() {
  game_.Start([this](TDrillSettings& settings) {
    TRegistry registry(hives_);
    std::string folder = installFolder_.toStdString();
    const auto record = qScopeGuard([&] { installFolder_ = QString::fromStdString(folder); });
    LoadSettings(settings, folder, registry);
  });
}

void TForm1::Button1Click() {
  game_.Check();
}

// Closes only when the settings were saved; closing any other way saves nothing.
void TForm1::Button2Click() {
  TRegistry registry(hives_);
  SaveSettings(game_.Settings(), registry);
  close();
}

// The dialog edits the game's settings in place; whatever way it closed, a new puzzle follows.
void TForm1::Button3Click() {
  game_.PauseCountdown();
  {
    TForm2 dialog(this, game_.Settings());
    dialog.exec();
  }
  ApplyTimeLeftRule();
  ApplyAnswerBoxRule();
  Button1->setFocus();
  game_.ApplySettings();
}

void TForm1::Button4Click() {
  game_.PauseCountdown();
  {
    TForm3 dialog(this);
    dialog.exec();
  }
  game_.ResumeCountdown();
}

void TForm1::Button5Click() {
  OpenHelp(this, installFolder_);
}

void TForm1::Timer1Timer() {
  game_.Tick();
}

void TForm1::FormKeyPress(char c) {
  game_.TypeKey(c);
}

void TForm1::FormKeyDown(std::uint16_t key) {
  game_.MoveKey(key);
}

void TForm1::RadioGroup1Click(int index) {
  game_.SelectChoice(index);
}

void TForm1::ApplyAnswerBoxRule() {
  StaticText1->setVisible(!game_.Settings().MultChoice);
}

void TForm1::ApplyTimeLeftRule() {
  const bool timed = game_.Settings().TimeLimited;
  Label12->setVisible(timed);
  Label13->setVisible(timed);
}

}  // namespace gapwise
