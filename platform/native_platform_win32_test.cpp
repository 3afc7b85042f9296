#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/platform.h"
#include "platform/wide_string_win32.h"

namespace {

// What a timer in the box's own loop saw before it pressed OK.
struct CBoxSeen {
  bool bFound = false;
  std::wstring strText;
  HICON hIcon = nullptr;
  bool bOwned = true;
};
CBoxSeen g_box;

void CALLBACK ReadAndCloseBox(HWND, UINT, UINT_PTR nTimer, DWORD) {
  HWND hBox = FindWindowW(L"#32770", L"Dravel03");
  if (hBox == nullptr) return;
  KillTimer(nullptr, nTimer);
  g_box.bFound = true;
  wchar_t text[512] = {};
  GetDlgItemTextW(hBox, 0xFFFF, text, 512);
  g_box.strText = text;
  g_box.bOwned = GetWindow(hBox, GW_OWNER) != nullptr;
  for (int nId : {20, 1088}) {  // the icon control, as Windows and wine number it
    if (HWND hIcon = GetDlgItem(hBox, nId)) g_box.hIcon = reinterpret_cast<HICON>(SendMessageW(hIcon, STM_GETICON, 0, 0));
  }
  PostMessageW(hBox, WM_COMMAND, IDOK, 0);
}

TEST(Win32PlatformTest, MessagesShowInABoxWithTheProgramsCaptionAndIcon) {
  const struct {
    bool bError;
    int nIcon;  // the system icon: the hand for errors, the asterisk for information
  } cases[] = {{true, 32513}, {false, 32516}};
  for (const auto& c : cases) {
    g_box = CBoxSeen();
    SetTimer(nullptr, 0, 50, ReadAndCloseBox);
    const std::string strText = "C:\\図面\\temp.txt: ファイルがありません";
    if (c.bError) {
      NativePlatform().ShowError(strText);
    } else {
      NativePlatform().ShowInfo(strText);
    }
    EXPECT_TRUE(g_box.bFound);
    EXPECT_EQ(g_box.strText, Widen(strText));
    EXPECT_EQ(g_box.hIcon, LoadIconW(nullptr, MAKEINTRESOURCEW(c.nIcon))) << c.bError;
    EXPECT_FALSE(g_box.bOwned);
  }
}

}  // namespace
