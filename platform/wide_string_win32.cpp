#include "platform/wide_string_win32.h"

#include <windows.h>

#include <climits>

#include "platform/resource_ids.h"

std::wstring Widen(const std::string& strText) {
  if (strText.empty() || strText.size() > INT_MAX) return std::wstring();
  const int nSize = static_cast<int>(strText.size());
  const int nWide = MultiByteToWideChar(CP_UTF8, 0, strText.data(), nSize, nullptr, 0);
  std::wstring strWide(static_cast<size_t>(nWide), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, strText.data(), nSize, strWide.data(), nWide);
  return strWide;
}

std::string Narrow(const std::wstring& strText) {
  if (strText.empty() || strText.size() > INT_MAX) return std::string();
  const int nSize = static_cast<int>(strText.size());
  const int nNarrow = WideCharToMultiByte(CP_UTF8, 0, strText.data(), nSize, nullptr, 0, nullptr, nullptr);
  std::string strNarrow(static_cast<size_t>(nNarrow), '\0');
  WideCharToMultiByte(CP_UTF8, 0, strText.data(), nSize, strNarrow.data(), nNarrow, nullptr, nullptr);
  return strNarrow;
}

std::wstring LoadResourceString(unsigned nId) {
  // With a zero length LoadStringW hands out a pointer into the resource.
  const wchar_t* pText = nullptr;
  const int nLength = LoadStringW(GetModuleHandleW(nullptr), nId, reinterpret_cast<wchar_t*>(&pText), 0);
  return nLength > 0 ? std::wstring(pText, static_cast<size_t>(nLength)) : std::wstring();
}

std::wstring AppTitle() {
  std::wstring strTitle = LoadResourceString(AFX_IDS_APP_TITLE);
  return strTitle.empty() ? L"Dravel03" : strTitle;
}
