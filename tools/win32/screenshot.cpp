// gapwise-screenshot.exe SEED OUTDIR: the Windows counterpart of gapwise-screenshot. Shows the main
// window on the Win32 backend, one BMP of its client area per kind of puzzle, typed and
// multiple-choice, with one and with two hidden digits, and the layout's worked examples, under
// the names that the Linux tool gives its PNG files. Nothing is read from or written to the
// registry: the settings are the defaults.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "settings/registry.h"
#include "ui/main_window.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/services.h"
#include "ui/toolkit/win32/testing.h"

namespace gapwise {
namespace {

const char* const kKindNames[] = {"addition", "subtraction", "multiplication", "division"};

// A registry without keys, so that the window starts with the default settings.
class TEmptyRegistry : public reg::IRegistry {
 public:
  reg::Status OpenKey(reg::Root, const char*, reg::Access, reg::Key&) override {
    return reg::Status::NotFound;
  }
  reg::Status CreateKey(reg::Root, const char*, reg::Access, reg::Key&, bool*) override {
    return reg::Status::AccessDenied;
  }
  reg::Status QueryValue(reg::Key, const char*, reg::Type*, std::uint8_t*,
                         std::uint32_t*) override {
    return reg::Status::InvalidHandle;
  }
  reg::Status SetValue(reg::Key, const char*, reg::Type, const std::uint8_t*,
                       std::uint32_t) override {
    return reg::Status::AccessDenied;
  }
  reg::Status CloseKey(reg::Key) override { return reg::Status::Success; }
  std::string DescribeUnreadable(reg::Root) const override { return {}; }
};

// The client area as the screen shows it, as a 24-bit BMP file.
bool SaveClientArea(HWND window, const std::string& path) {
  RECT client;
  GetClientRect(window, &client);
  const int width = client.right;
  const int height = client.bottom;
  const HDC source = GetDC(window);
  const HDC copy = CreateCompatibleDC(source);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store their rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(copy, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ before = SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, width, height, source, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4d42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + imageBytes;
  bool written = false;
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
              std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
              std::fwrite(bits, 1, imageBytes, out) == imageBytes;
    written = std::fclose(out) == 0 && written;
  }
  SelectObject(copy, before);
  DeleteObject(bitmap);
  DeleteDC(copy);
  ReleaseDC(window, source);
  return written;
}

// Shows the window, lets it paint, and saves its client area.
bool Save(TForm1& form, const std::string& folder, const std::string& name) {
  const auto window = static_cast<HWND>(win32::NativeWindow(form.Form()));
  form.Form().Show();
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  win32::ProcessMessages();
  GdiFlush();
  Sleep(100);  // the display has the frame
  win32::ProcessMessages();
  const std::string path = folder + "\\" + name + ".bmp";
  if (!SaveClientArea(window, path)) {
    std::fprintf(stderr, "gapwise-screenshot: cannot write %s\n", path.c_str());
    return false;
  }
  std::printf("%s\n", path.c_str());
  return true;
}

TForm1Setup Setup(TEmptyRegistry& registry, std::uint32_t seed) {
  return TForm1Setup{&registry, [seed] { return seed; }};
}

// Deals puzzles of one kind until one hides `hidden` digits; in typed mode one digit is typed.
bool Shoot(std::uint32_t seed, int kind, bool choices, int hidden, const std::string& folder) {
  TEmptyRegistry registry;
  TForm1 form(Setup(registry, seed));
  TDrillGame& game = form.Game();
  game.Settings().Ops[0] = static_cast<std::uint8_t>(kind);
  game.Settings().Checked = 1;
  game.Settings().MultChoice = choices;
  form.ApplyTimeLeftRule();
  form.ApplyAnswerBoxRule();
  do {
    game.ApplySettings();
  } while (game.Puzzle().Mask.size() != static_cast<std::size_t>(hidden));
  game.PauseCountdown();  // the seconds stand at the full time limit
  if (!choices) game.TypeKey(game.Puzzle().Answer[0] == '7' ? '3' : '7');
  const std::string name = std::string(choices ? "choices" : "typed") + "-" + kKindNames[kind] +
                           "-" + std::to_string(hidden);
  const bool saved = Save(form, folder, name);
  form.Form().Hide();
  return saved;
}

bool ShootExamples(std::uint32_t seed, const std::string& folder) {
  const std::pair<const char*, TPuzzle> examples[] = {
      {"example-addition-345", PuzzleOf(pkAddition, {"3?5", "78", "423"}, 0, "4", 2, 2)},
      {"example-subtraction-105", PuzzleOf(pkSubtraction, {"105", "98", "?"}, 2, "7", 0, 0)},
      {"example-multiplication-492",
       PuzzleOf(pkMultiplication, {"123", "45", "615", "??2", "5535"}, 3, "49", 1, 3)},
      {"example-multiplication-six-digits",
       PuzzleOf(pkMultiplication, {"9998", "98", "79984", "89982", "?79804"}, 4, "9", 1, 6)},
      {"example-division-remainder",
       PuzzleOf(pkDivision, {"12", "34", "413", "36", "53", "48", "?"}, 6, "5", 0, 0)},
      {"example-division-quotient",
       PuzzleOf(pkDivision, {"12", "?4", "413", "36", "53", "48", "5"}, 1, "3", 1, 2)},
      {"example-division-1001",
       PuzzleOf(pkDivision, {"11", "91", "1??1", "99", "11", "11", "0"}, 2, "00", 2, 3)},
  };
  TEmptyRegistry registry;
  TForm1 form(Setup(registry, seed));
  form.Game().PauseCountdown();
  for (const auto& [name, puzzle] : examples) {
    form.OnPuzzleChanged(puzzle);
    if (!Save(form, folder, name)) return false;
  }
  form.Form().Hide();
  return true;
}

int Run(std::uint32_t seed, const std::string& folder) {
  CreateDirectoryA(folder.c_str(), nullptr);
  for (const bool choices : {false, true}) {
    for (int kind = 0; kind < 4; ++kind) {
      for (const int hidden : {1, 2}) {
        if (!Shoot(seed, kind, choices, hidden, folder)) return 1;
      }
    }
  }
  return ShootExamples(seed, folder) ? 0 : 1;
}

}  // namespace
}  // namespace gapwise

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: gapwise-screenshot SEED OUTDIR\n");
    return 2;
  }
  char* end = nullptr;
  const unsigned long seed = std::strtoul(argv[1], &end, 10);
  if (end == argv[1] || *end != '\0') {
    std::fprintf(stderr, "usage: gapwise-screenshot SEED OUTDIR\n");
    return 2;
  }
  gapwise::TApplication application(argc, argv, "Gapwise");
  return gapwise::Run(static_cast<std::uint32_t>(seed), argv[2]);
}
