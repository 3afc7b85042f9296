#include "platform/file_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/wide_string_win32.h"
#include "tests/test_support.h"

namespace {

// Another holder of the file, without sharing, as the host or a second
// program would hold it.
class CHeldFile {
 public:
  explicit CHeldFile(const std::wstring& strName)
      : m_hFile(CreateFileW(strName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~CHeldFile() {
    if (m_hFile != INVALID_HANDLE_VALUE) CloseHandle(m_hFile);
  }
  bool Held() const { return m_hFile != INVALID_HANDLE_VALUE; }

 private:
  HANDLE m_hFile;
};

std::string FileNameOfError(void (*open)(const std::string&), const std::string& strName) {
  try {
    open(strName);
  } catch (const CFileException& e) {
    return e.FileName();
  }
  return "(no error)";
}

void OpenReading(const std::string& strName) { OpenWin32FileForReading(strName); }
void OpenWriting(const std::string& strName) { OpenWin32FileForWriting(strName); }

TEST(Win32FileTest, AFileOpenForThePassCannotBeOpenedByAnyoneElse) {
  CScratchDir dir;
  WriteFile("temp.txt", "a\n");
  WriteFile("jwc_temp.txt", "");
  auto pInput = OpenWin32FileForReading("temp.txt");
  auto pOutput = OpenWin32FileForWriting("jwc_temp.txt");
  for (const wchar_t* pName : {L"temp.txt", L"jwc_temp.txt"}) {
    HANDLE h = CreateFileW(pName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    EXPECT_EQ(h, INVALID_HANDLE_VALUE) << Narrow(pName);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION)) << Narrow(pName);
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
}

TEST(Win32FileTest, AFileHeldElsewhereFailsWithItsBareName) {
  CScratchDir dir;
  WriteFile("temp.txt", "a\n");
  WriteFile("jwc_temp.txt", "earlier output\r\n");
  {
    CHeldFile input(L"temp.txt");
    CHeldFile output(L"jwc_temp.txt");
    ASSERT_TRUE(input.Held() && output.Held());
    EXPECT_EQ(FileNameOfError(OpenReading, "temp.txt"), "temp.txt");
    EXPECT_EQ(FileNameOfError(OpenWriting, "jwc_temp.txt"), "jwc_temp.txt");
  }
  // A held output is left as it was.
  EXPECT_EQ(ReadFile("jwc_temp.txt"), "earlier output\r\n");
}

TEST(Win32FileTest, AMissingInputFailsWithItsBareName) {
  CScratchDir dir;
  EXPECT_EQ(FileNameOfError(OpenReading, "temp.txt"), "temp.txt");
  EXPECT_FALSE(FileExists("temp.txt"));
}

TEST(Win32FileTest, TheOutputIsCreatedOrEmptiedAndWrittenByteForByte) {
  CScratchDir dir;
  for (bool bExists : {false, true}) {
    if (bExists) WriteFile("jwc_temp.txt", std::string(10000, 'x'));
    auto pOutput = OpenWin32FileForWriting("jwc_temp.txt");
    const std::string strBytes("a\r\nb\n\x1a\0c", 9);
    pOutput->Write(strBytes.data(), strBytes.size());
    pOutput->Close();
    pOutput->Close();  // a second close does nothing
    EXPECT_EQ(ReadFile("jwc_temp.txt"), strBytes) << bExists;
  }
}

TEST(Win32FileTest, ReadsEveryByteThenTheEnd) {
  CScratchDir dir;
  const std::string strBytes("x\r\ny\x1a\n", 6);
  WriteFile("temp.txt", strBytes);
  auto pInput = OpenWin32FileForReading("temp.txt");
  char buffer[16];
  EXPECT_EQ(pInput->Read(buffer, sizeof buffer), strBytes.size());
  EXPECT_EQ(std::string(buffer, strBytes.size()), strBytes);
  EXPECT_EQ(pInput->Read(buffer, sizeof buffer), 0u);
}

TEST(Win32FileTest, TheFullPathIsUtf8WhateverTheCodePage) {
  CScratchDir dir;
  const std::wstring strFolder = L"図面ﾃﾞｰﾀ";
  ASSERT_TRUE(CreateDirectoryW(strFolder.c_str(), nullptr));
  ASSERT_TRUE(SetCurrentDirectoryW(strFolder.c_str()));
  WriteFile("temp.txt", "a\n");
  auto pInput = OpenWin32FileForReading("temp.txt");
  wchar_t cwd[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, cwd);
  EXPECT_EQ(pInput->FullPath(), Narrow(cwd) + "\\temp.txt");
  EXPECT_NE(pInput->FullPath().find("\xE5\x9B\xB3\xE9\x9D\xA2\xEF\xBE\x83\xEF\xBE\x9E"), std::string::npos);
  pInput->Close();
  SetCurrentDirectoryW(L"..");
}

TEST(WideStringTest, RoundTripsThroughUtf16) {
  for (const std::string strText : {"", "temp.txt", "ファイルがありません", "ﾌｧｲﾙ(&F)", "C:\\図面\\temp.txt"}) {
    EXPECT_EQ(Narrow(Widen(strText)), strText);
  }
  EXPECT_EQ(Widen("ﾌｧｲﾙ"), L"ﾌｧｲﾙ");
}

}  // namespace
