#include "ui/toolkit/services.h"

#include <stdexcept>

#include "ui/toolkit/drivers.h"

namespace gapwise {
namespace {

std::string& Title() {
  static std::string title = "Gapwise";
  return title;
}

}  // namespace

const std::string& ApplicationTitle() {
  return Title();
}

void SetApplicationTitle(const std::string& title) {
  Title() = title;
}

void ShowMessage(TForm* owner, const std::string& text) {
  Toolkit().ShowMessage(owner, text);
}

void Beep() {
  Toolkit().Beep();
}

void ShowError(const std::string& message) {
  std::string text = message;
  if (!text.empty() && text.back() > '.') text += '.';
  Toolkit().ShowError(text);
}

std::string ErrorText(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "An unknown error occurred";
  }
}

bool RunHandler(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (...) {
    ShowError(ErrorText(std::current_exception()));
  }
  return false;
}

void ShellOpen(TForm* owner, const std::string& path) {
  Toolkit().ShellOpen(owner, path);
}

bool FileExists(const std::string& path) {
  return Toolkit().FileExists(path);
}

std::uint32_t SystemSeed() {
  return Toolkit().Seed();
}

std::string PathIn(const std::string& folder, const std::string& name) {
  return folder + Toolkit().PathDelimiter() + name;
}

TApplication::TApplication(int& argc, char** argv, const std::string& title,
                           const std::string& desktopId) {
  SetApplicationTitle(title);
  Toolkit().Start(argc, argv, desktopId);
}

TApplication::~TApplication() {
  Toolkit().Stop();
}

int TApplication::Run(TForm& mainForm) {
  return Toolkit().Run(mainForm);
}

}  // namespace gapwise
