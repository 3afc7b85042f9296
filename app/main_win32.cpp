#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/dravel03_app.h"
#include "platform/platform.h"
#include "platform/wide_string_win32.h"

CDravel03App theApp(NativePlatform());

// A GUI program: the arguments come from the wide command line, as UTF-8.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int nArgs = 0;
  wchar_t** ppArgs = CommandLineToArgvW(GetCommandLineW(), &nArgs);
  std::vector<std::string> args;
  for (int i = 1; ppArgs != nullptr && i < nArgs; ++i) args.push_back(Narrow(ppArgs[i]));
  LocalFree(ppArgs);
  return theApp.Run(std::move(args));
}
