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

#include "settings/empty_registry.h"
#include "tests/support/win32/toolkit_testing.h"
#include "tools/screenshot_plan.h"
#include "ui/forms/main_window.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/services.h"

namespace gapwise {
namespace {

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

TForm1Setup Setup(reg::IRegistry& registry, std::uint32_t seed) {
  return TForm1Setup{&registry, [seed] { return seed; }};
}

bool Shoot(std::uint32_t seed, int kind, bool choices, int hidden, const std::string& folder) {
  reg::TEmptyRegistry registry;
  TForm1 form(Setup(registry, seed));
  PrepareShot(form, kind, choices, hidden);
  const bool saved = Save(form, folder, ShotName(choices, kind, hidden));
  form.Form().Hide();
  return saved;
}

bool ShootExamples(std::uint32_t seed, const std::string& folder) {
  reg::TEmptyRegistry registry;
  TForm1 form(Setup(registry, seed));
  form.Game().PauseCountdown();
  for (const auto& [name, puzzle] : LayoutExamples()) {
    form.OnPuzzleChanged(puzzle);
    if (!Save(form, folder, name)) return false;
  }
  form.Form().Hide();
  return true;
}

int Run(std::uint32_t seed, const std::string& folder) {
  CreateDirectoryA(folder.c_str(), nullptr);
  const auto shoot = [&](int kind, bool choices, int hidden) {
    return Shoot(seed, kind, choices, hidden, folder);
  };
  return ForEachShot(shoot) && ShootExamples(seed, folder) ? 0 : 1;
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
