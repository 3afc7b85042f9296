// Runs a program, waits for its message box, checks the box's text and
// caption, presses OK, and ends with the program's exit status. (The icon
// cannot be read from another process under wine; the unit tests check it.)
//
//   expect_box [--hold FILE]... (--file-error NAME | --text-prefix TEXT) -- PROGRAM [ARG]...
//
// --hold opens FILE without sharing, as another process holding it would,
// for as long as the program runs. --file-error expects the file-error text
// for NAME; --text-prefix expects a text that begins with TEXT (ASCII).
// Exit status: the program's, or 200 and up when the check fails.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const wchar_t kFileErrorTail[] = L": ファイルがありません";

std::wstring Quoted(const std::wstring& strArg) {
  if (!strArg.empty() && strArg.find_first_of(L" \t\"") == std::wstring::npos) return strArg;
  std::wstring strOut = L"\"";
  for (wchar_t c : strArg) {
    if (c == L'"') strOut += L'\\';
    strOut += c;
  }
  return strOut + L"\"";
}

void Print(const char* pWhat, const std::wstring& strText) {
  std::fprintf(stderr, "%s: ", pWhat);
  for (wchar_t c : strText) {
    if (c >= 0x20 && c < 0x7F) {
      std::fputc(static_cast<int>(c), stderr);
    } else {
      std::fprintf(stderr, "\\u%04X", static_cast<unsigned>(c));
    }
  }
  std::fputc('\n', stderr);
}

struct CSearch {
  DWORD nProcessId;
  HWND hBox;
};

BOOL CALLBACK FindBox(HWND hWnd, LPARAM lParam) {
  auto* pSearch = reinterpret_cast<CSearch*>(lParam);
  DWORD nProcessId = 0;
  GetWindowThreadProcessId(hWnd, &nProcessId);
  wchar_t className[64] = {};
  GetClassNameW(hWnd, className, 64);
  if (nProcessId == pSearch->nProcessId && std::wstring(className) == L"#32770" && IsWindowVisible(hWnd)) {
    pSearch->hBox = hWnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<HANDLE> held;
  std::wstring strExpected;
  bool bPrefix = false;
  int i = 1;
  for (; i < argc && std::wstring(argv[i]) != L"--"; ++i) {
    const std::wstring strOption = argv[i];
    if (i + 1 >= argc) return 210;
    const std::wstring strValue = argv[++i];
    if (strOption == L"--hold") {
      HANDLE h = CreateFileW(strValue.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
      if (h == INVALID_HANDLE_VALUE) return 205;
      held.push_back(h);
    } else if (strOption == L"--file-error") {
      strExpected = strValue + kFileErrorTail;
    } else if (strOption == L"--text-prefix") {
      strExpected = strValue;
      bPrefix = true;
    } else {
      return 210;
    }
  }
  if (i + 1 >= argc || strExpected.empty()) return 210;

  std::wstring strCommand;
  for (int j = i + 1; j < argc; ++j) strCommand += (j > i + 1 ? L" " : L"") + Quoted(argv[j]);
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(nullptr, strCommand.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    return 204;
  }

  CSearch search = {pi.dwProcessId, nullptr};
  for (int nTry = 0; nTry < 600 && search.hBox == nullptr; ++nTry) {
    if (WaitForSingleObject(pi.hProcess, 50) == WAIT_OBJECT_0) break;
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
  }
  int nResult = 0;
  if (search.hBox == nullptr) {
    std::fprintf(stderr, "no message box appeared\n");
    nResult = 201;
  } else {
    Sleep(100);  // let the box finish its set-up
    wchar_t caption[256] = {};
    GetWindowTextW(search.hBox, caption, 256);
    std::vector<wchar_t> text(65536, L'\0');
    GetDlgItemTextW(search.hBox, 0xFFFF, text.data(), static_cast<int>(text.size()));
    const std::wstring strText = text.data();
    Print("caption", caption);
    Print("text", strText);
    const bool bTextRight = bPrefix ? strText.rfind(strExpected, 0) == 0 : strText == strExpected;
    if (!bTextRight || std::wstring(caption) != L"Dravel03") {
      Print("expected", strExpected);
      nResult = 202;
    }
    PostMessageW(search.hBox, WM_COMMAND, IDOK, 0);
  }
  // Pressing OK ends the program; a second box would keep it running.
  if (WaitForSingleObject(pi.hProcess, 30000) != WAIT_OBJECT_0) {
    std::fprintf(stderr, "the program did not end after OK\n");
    TerminateProcess(pi.hProcess, 255);
    nResult = 203;
  }
  DWORD nExit = 0;
  GetExitCodeProcess(pi.hProcess, &nExit);
  for (HANDLE h : held) CloseHandle(h);
  if (nResult != 0) return nResult;
  std::fprintf(stderr, "exit status: %lu\n", nExit);
  return static_cast<int>(nExit);
}
