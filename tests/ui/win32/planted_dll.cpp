// A DLL named as a system DLL, to be planted beside a program: loading it leaves the file
// "planted.loaded" beside it, so that a test sees whether the program loaded it.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(instance, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return TRUE;
  DWORD folder = length;
  while (folder > 0 && path[folder - 1] != L'\\') --folder;
  const wchar_t mark[] = L"planted.loaded";
  if (folder + sizeof mark / sizeof mark[0] > MAX_PATH) return TRUE;
  for (DWORD i = 0; i < sizeof mark / sizeof mark[0]; ++i) path[folder + i] = mark[i];
  const HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return TRUE;
}
