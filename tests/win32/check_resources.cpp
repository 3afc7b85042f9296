// Checks the resources that a program carries, read from its file:
//
//   check_resources PROGRAM (menu | accelerators | strings | icons | dialogs | version)
//
// Every resource must be in Japanese. Prints each difference; the exit status
// is 0 when there is none, 1 otherwise, 2 when the program cannot be read.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
HMODULE g_hProgram = nullptr;
int g_nDifferences = 0;

void Print(const std::wstring& strText) {
  for (wchar_t c : strText) {
    if (c >= 0x20 && c < 0x7F) {
      std::fputc(static_cast<int>(c), stdout);
    } else {
      std::printf("\\u%04X", static_cast<unsigned>(c));
    }
  }
}

void Expect(bool bRight, const std::wstring& strWhat, const std::wstring& strActual, const std::wstring& strExpected) {
  if (bRight) return;
  ++g_nDifferences;
  Print(strWhat + L": [" + strActual + L"], expected [" + strExpected + L"]");
  std::printf("\n");
}

void ExpectText(const std::wstring& strWhat, const std::wstring& strActual, const std::wstring& strExpected) {
  Expect(strActual == strExpected, strWhat, strActual, strExpected);
}

void ExpectNumber(const std::wstring& strWhat, long long nActual, long long nExpected) {
  Expect(nActual == nExpected, strWhat, std::to_wstring(nActual), std::to_wstring(nExpected));
}

// The bytes of a Japanese resource; empty when there is none.
std::vector<BYTE> Resource(const wchar_t* pType, int nId) {
  HRSRC hFound = FindResourceExW(g_hProgram, pType, MAKEINTRESOURCEW(nId), kJapanese);
  if (hFound == nullptr) return {};
  const BYTE* pData = static_cast<const BYTE*>(LockResource(LoadResource(g_hProgram, hFound)));
  return std::vector<BYTE>(pData, pData + SizeofResource(g_hProgram, hFound));
}

bool Present(const wchar_t* pType, int nId, const wchar_t* pWhat) {
  if (!Resource(pType, nId).empty()) return true;
  ++g_nDifferences;
  Print(std::wstring(pWhat) + L" " + std::to_wstring(nId) + L" is missing in Japanese\n");
  return false;
}

// --- menu -------------------------------------------------------------------

struct CItem {
  const wchar_t* pText;  // null for a separator
  UINT nId;
  bool bGrayed;
};
struct CPopup {
  const wchar_t* pText;
  std::vector<CItem> items;
};

void CheckMenu() {
  if (!Present(MAKEINTRESOURCEW(4), 128, L"menu")) return;
  const std::vector<CPopup> expected = {
      {L"ﾌｧｲﾙ(&F)",
       {{L"新規作成(&N)\tCtrl+N", 57600, false},
        {L"開く(&O)...\tCtrl+O", 57601, false},
        {L"上書き保存(&S)\tCtrl+S", 57603, false},
        {L"名前を付けて保存(&A)...", 57604, false},
        {nullptr, 0, false},
        {L"最近使ったﾌｧｲﾙ", 57616, true},
        {nullptr, 0, false},
        {L"ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", 57665, false}}},
      {L"編集(&E)",
       {{L"元に戻す(&U)\tCtrl+Z", 57643, false},
        {nullptr, 0, false},
        {L"切り取り(&T)\tCtrl+X", 57635, false},
        {L"ｺﾋﾟｰ(&C)\tCtrl+C", 57634, false},
        {L"貼り付け(&P)\tCtrl+V", 57637, false}}},
      {L"ﾍﾙﾌﾟ(&H)", {{L"Dravel03 のﾊﾞｰｼﾞｮﾝ情報(&A)...", 57664, false}}},
  };
  HMENU hMenu = LoadMenuW(g_hProgram, MAKEINTRESOURCEW(128));
  auto text = [](HMENU h, int nPos) {
    wchar_t buffer[256] = {};
    GetMenuStringW(h, static_cast<UINT>(nPos), buffer, 256, MF_BYPOSITION);
    return std::wstring(buffer);
  };
  ExpectNumber(L"menu popups", GetMenuItemCount(hMenu), static_cast<long long>(expected.size()));
  for (size_t p = 0; p < expected.size(); ++p) {
    const int nPopup = static_cast<int>(p);
    ExpectText(L"popup " + std::to_wstring(p), text(hMenu, nPopup), expected[p].pText);
    HMENU hPopup = GetSubMenu(hMenu, nPopup);
    if (hPopup == nullptr) continue;
    const std::vector<CItem>& items = expected[p].items;
    ExpectNumber(L"items of popup " + std::to_wstring(p), GetMenuItemCount(hPopup), static_cast<long long>(items.size()));
    for (size_t i = 0; i < items.size() && static_cast<int>(i) < GetMenuItemCount(hPopup); ++i) {
      const int nItem = static_cast<int>(i);
      const std::wstring strWhere = L"item " + std::to_wstring(p) + L"." + std::to_wstring(i);
      const UINT nState = GetMenuState(hPopup, static_cast<UINT>(nItem), MF_BYPOSITION);
      if (items[i].pText == nullptr) {
        ExpectNumber(strWhere + L" separator", (nState & MF_SEPARATOR) != 0, 1);
        continue;
      }
      ExpectText(strWhere, text(hPopup, nItem), items[i].pText);
      ExpectNumber(strWhere + L" command", GetMenuItemID(hPopup, nItem), items[i].nId);
      ExpectNumber(strWhere + L" grayed", (nState & MF_GRAYED) != 0, items[i].bGrayed);
    }
  }
}

// --- accelerators -----------------------------------------------------------

void CheckAccelerators() {
  if (!Present(MAKEINTRESOURCEW(9), 128, L"accelerators")) return;
  const BYTE kCtrl = FVIRTKEY | FCONTROL, kShift = FVIRTKEY | FSHIFT, kAlt = FVIRTKEY | FALT;
  const ACCEL expected[] = {
      {kCtrl, 'N', 57600},       {kCtrl, 'O', 57601},        {kCtrl, 'S', 57603},      {kCtrl, 'Z', 57643},
      {kCtrl, 'X', 57635},       {kCtrl, 'C', 57634},        {kCtrl, 'V', 57637},      {kAlt, VK_BACK, 57643},
      {kShift, VK_DELETE, 57635}, {kCtrl, VK_INSERT, 57634}, {kShift, VK_INSERT, 57637}, {FVIRTKEY, VK_F6, 57680},
      {kShift, VK_F6, 57681},
  };
  HACCEL hAccel = LoadAcceleratorsW(g_hProgram, MAKEINTRESOURCEW(128));
  const int nCount = CopyAcceleratorTableW(hAccel, nullptr, 0);
  std::vector<ACCEL> actual(static_cast<size_t>(nCount));
  CopyAcceleratorTableW(hAccel, actual.data(), nCount);
  const size_t nExpected = sizeof expected / sizeof expected[0];
  ExpectNumber(L"accelerators", nCount, static_cast<long long>(nExpected));
  for (size_t i = 0; i < nExpected && i < actual.size(); ++i) {
    const std::wstring strWhere = L"accelerator " + std::to_wstring(i);
    ExpectNumber(strWhere + L" flags", actual[i].fVirt & ~0x80, expected[i].fVirt);
    ExpectNumber(strWhere + L" key", actual[i].key, expected[i].key);
    ExpectNumber(strWhere + L" command", actual[i].cmd, expected[i].cmd);
  }
}

// --- strings ----------------------------------------------------------------

// The string `nId`, from the Japanese block that holds it.
std::wstring String(int nId, bool& bFound) {
  const std::vector<BYTE> block = Resource(MAKEINTRESOURCEW(6), nId / 16 + 1);
  bFound = false;
  size_t nPos = 0;
  for (int i = 0; nPos + 2 <= block.size(); ++i) {
    WORD nLength;
    std::memcpy(&nLength, &block[nPos], 2);
    nPos += 2;
    if (i == nId % 16) {
      bFound = nLength > 0;
      std::wstring strText(nLength, L'\0');
      std::memcpy(strText.data(), &block[nPos], nLength * 2u);
      return strText;
    }
    nPos += nLength * 2u;
  }
  return std::wstring();
}

void CheckStrings() {
  struct {
    int nId;
    const wchar_t* pText;
  } expected[] = {
      {128, L"Dravel03\n\nDravel\n\n\nDravel03.Document\nDravel Document"},
      {57344, L"Dravel03"},
      {57345, L"ﾚﾃﾞｨ"},
      {57600, L"新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ"},
      {57601, L"既存のﾌｧｲﾙを開く\n開く"},
      {57602, L"作業中のﾌｧｲﾙを閉じる\n閉じる"},
      {57603, L"作業中のﾌｧｲﾙを上書きして保存\n保存"},
      {57604, L"作業中のﾌｧｲﾙを新しい名前で保存\n名前をつけて保存"},
      {57632, L"選択範囲を消去\n消去"},
      {57633, L"すべて消去\nすべて消去"},
      {57634, L"選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\nｺﾋﾟｰ"},
      {57635, L"選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\n切り取り"},
      {57636, L"指定した文字列の検索\n検索"},
      {57637, L"ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け\n貼り付け"},
      {57640, L"直前に行った動作を繰り返す\n繰り返し"},
      {57641, L"指定した文字列を他の文字列で置換\n置換"},
      {57642, L"ﾌｧｲﾙ内のすべてを選択\nすべて選択"},
      {57643, L"直前に行った動作を元に戻す\n元に戻す"},
      {57644, L"直前に行った動作を繰り返す\n繰り返す"},
      {57653, L"作業中のｳｨﾝﾄﾞｳを分割\n分割"},
      {57664, L"ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
      {57665, L"ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示\n終了"},
      {57680, L"次のｳｨﾝﾄﾞｳに切り替える\n次のﾍﾟｲﾝ"},
      {57681, L"前のｳｨﾝﾄﾞｳに切り替える\n前のﾍﾟｲﾝ"},
      {59136, L"EXT"},
      {59137, L"CAP"},
      {59138, L"NUM"},
      {59139, L"SCRL"},
      {59140, L"上書"},
      {59141, L"記録"},
      {59142, L"ｶﾅ"},
  };
  for (const auto& e : expected) {
    bool bFound = false;
    ExpectText(L"string " + std::to_wstring(e.nId), String(e.nId, bFound), e.pText);
  }
  for (int nId = 57616; nId <= 57631; ++nId) {
    bool bFound = false;
    ExpectText(L"string " + std::to_wstring(nId), String(nId, bFound), L"指定のﾌｧｲﾙを開く");
  }
  // Nothing between the program's strings that it does not list.
  for (int nId : {129, 57346, 57605, 57615, 57638, 57639, 57645, 57666, 57682, 59143}) {
    bool bFound = false;
    String(nId, bFound);
    ExpectNumber(L"string " + std::to_wstring(nId) + L" present", bFound, 0);
  }
}

// --- icons ------------------------------------------------------------------

#pragma pack(push, 2)
struct CGroupEntry {
  BYTE nWidth, nHeight, nColors, nReserved;
  WORD nPlanes, nBitCount;
  DWORD nBytes;
  WORD nId;
};
#pragma pack(pop)

void CheckIcons() {
  for (int nId : {128, 129}) {
    if (!Present(MAKEINTRESOURCEW(14), nId, L"icon group")) continue;
    const std::vector<BYTE> group = Resource(MAKEINTRESOURCEW(14), nId);
    WORD nCount = 0;
    std::memcpy(&nCount, &group[4], 2);
    const std::wstring strWhere = L"icon " + std::to_wstring(nId);
    ExpectNumber(strWhere + L" images", nCount, 2);
    bool bBig = false, bSmall = false;
    for (WORD i = 0; i < nCount && 6 + (i + 1) * sizeof(CGroupEntry) <= group.size(); ++i) {
      CGroupEntry entry;
      std::memcpy(&entry, &group[6 + i * sizeof(CGroupEntry)], sizeof entry);
      ExpectNumber(strWhere + L" bits per pixel", entry.nBitCount, 4);
      ExpectNumber(strWhere + L" colours", entry.nColors, 16);
      bBig |= entry.nWidth == 32 && entry.nHeight == 32;
      bSmall |= entry.nWidth == 16 && entry.nHeight == 16;
      Present(MAKEINTRESOURCEW(3), entry.nId, L"icon image");
    }
    ExpectNumber(strWhere + L" has 32x32", bBig, 1);
    ExpectNumber(strWhere + L" has 16x16", bSmall, 1);
  }
}

// --- dialogs ----------------------------------------------------------------

// Reads a classic dialog template.
class CTemplateReader {
 public:
  explicit CTemplateReader(std::vector<BYTE> data) : m_data(std::move(data)) {}
  DWORD Dword() {
    DWORD n = 0;
    if (m_nPos + 4 <= m_data.size()) std::memcpy(&n, &m_data[m_nPos], 4);
    m_nPos += 4;
    return n;
  }
  WORD Word() {
    WORD n = 0;
    if (m_nPos + 2 <= m_data.size()) std::memcpy(&n, &m_data[m_nPos], 2);
    m_nPos += 2;
    return n;
  }
  short Short() { return static_cast<short>(Word()); }
  // A string or, after 0xFFFF, a number written as "#n".
  std::wstring Text() {
    WORD c = Word();
    if (c == 0xFFFF) return L"#" + std::to_wstring(Word());
    std::wstring s;
    for (; c != 0 && m_nPos <= m_data.size(); c = Word()) s += static_cast<wchar_t>(c);
    return s;
  }
  void Align() { m_nPos = (m_nPos + 3) & ~size_t(3); }

 private:
  std::vector<BYTE> m_data;
  size_t m_nPos = 0;
};

struct CControl {
  const wchar_t* pClass;  // "#130" is a static control, "#128" a button
  const wchar_t* pText;
  int nId;
  short x, y, cx, cy;
  DWORD nStyleBits;  // bits the control's style must have
};

void CheckDialog(int nId, DWORD nStyle, const wchar_t* pCaption, short cx, short cy,
                 const std::vector<CControl>& controls) {
  if (!Present(MAKEINTRESOURCEW(5), nId, L"dialog")) return;
  const std::wstring strWhere = L"dialog " + std::to_wstring(nId);
  CTemplateReader reader(Resource(MAKEINTRESOURCEW(5), nId));
  const DWORD nActualStyle = reader.Dword();
  ExpectNumber(strWhere + L" style", nActualStyle & ~DS_SETFONT, nStyle);
  reader.Dword();  // extended style
  const WORD nCount = reader.Word();
  reader.Short();
  reader.Short();
  ExpectNumber(strWhere + L" width", reader.Short(), cx);
  ExpectNumber(strWhere + L" height", reader.Short(), cy);
  ExpectText(strWhere + L" menu", reader.Text(), L"");
  ExpectText(strWhere + L" class", reader.Text(), L"");
  ExpectText(strWhere + L" caption", reader.Text(), pCaption);
  ExpectNumber(strWhere + L" has a font", (nActualStyle & DS_SETFONT) != 0, 1);
  ExpectNumber(strWhere + L" font size", reader.Word(), 9);
  ExpectText(strWhere + L" font", reader.Text(), L"ＭＳ Ｐゴシック");
  ExpectNumber(strWhere + L" controls", nCount, static_cast<long long>(controls.size()));
  for (size_t i = 0; i < controls.size() && i < nCount; ++i) {
    const CControl& c = controls[i];
    const std::wstring strControl = strWhere + L" control " + std::to_wstring(i);
    reader.Align();
    const DWORD nControlStyle = reader.Dword();
    reader.Dword();
    ExpectNumber(strControl + L" x", reader.Short(), c.x);
    ExpectNumber(strControl + L" y", reader.Short(), c.y);
    ExpectNumber(strControl + L" width", reader.Short(), c.cx);
    ExpectNumber(strControl + L" height", reader.Short(), c.cy);
    ExpectNumber(strControl + L" id", static_cast<short>(reader.Word()), c.nId);
    std::wstring strClass = reader.Text();
    if (_wcsicmp(strClass.c_str(), L"Static") == 0) strClass = L"#130";  // by name or by number
    ExpectText(strControl + L" class", strClass, c.pClass);
    ExpectText(strControl + L" text", reader.Text(), c.pText);
    ExpectNumber(strControl + L" style", nControlStyle & c.nStyleBits, c.nStyleBits);
    const WORD nExtra = reader.Word();
    for (WORD k = 0; k < (nExtra + 1) / 2; ++k) reader.Word();
  }
}

void CheckDialogs() {
  CheckDialog(100, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, L"Dravel03のﾊﾞｰｼﾞｮﾝ情報", 235, 55,
              {{L"#130", L"#128", -1, 11, 17, 20, 20, SS_ICON},
               {L"#130", L"Dravel03 Version 1.0", -1, 40, 10, 119, 8, SS_NOPREFIX},
               {L"#130", L"Copyright (C) 2026", -1, 40, 25, 119, 8, 0},
               {L"#128", L"OK", IDOK, 178, 7, 50, 14, BS_DEFPUSHBUTTON}});
  // A child without caption or border, and no controls.
  CheckDialog(101, WS_CHILD, L"", 177, 119, {});
}

// --- version record ---------------------------------------------------------

void CheckVersion(const wchar_t* pProgram) {
  const DWORD nSize = GetFileVersionInfoSizeW(pProgram, nullptr);
  std::vector<BYTE> info(nSize);
  if (nSize == 0 || !GetFileVersionInfoW(pProgram, 0, nSize, info.data())) {
    ++g_nDifferences;
    std::printf("no version record\n");
    return;
  }
  VS_FIXEDFILEINFO* pFixed = nullptr;
  UINT nLength = 0;
  VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&pFixed), &nLength);
  if (pFixed != nullptr) {
    ExpectNumber(L"file version", (static_cast<long long>(pFixed->dwFileVersionMS) << 32) | pFixed->dwFileVersionLS,
                 0x0001000000000001LL);
    ExpectNumber(L"product version",
                 (static_cast<long long>(pFixed->dwProductVersionMS) << 32) | pFixed->dwProductVersionLS,
                 0x0001000000000001LL);
    ExpectNumber(L"file type", pFixed->dwFileType, VFT_APP);
    ExpectNumber(L"system", pFixed->dwFileOS, VOS__WINDOWS32);
  }
  WORD* pTranslation = nullptr;
  VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&pTranslation), &nLength);
  ExpectNumber(L"translations", nLength / 4, 1);
  if (pTranslation != nullptr && nLength >= 4) {
    ExpectNumber(L"language", pTranslation[0], 0x0411);
    ExpectNumber(L"code page", pTranslation[1], 0x04B0);
  }
  struct {
    const wchar_t* pName;
    const wchar_t* pValue;
  } expected[] = {
      {L"CompanyName", L""},
      {L"FileDescription", L"Dravel03 MFC ｱﾌﾟﾘｹｰｼｮﾝ"},
      {L"FileVersion", L"1, 0, 0, 1"},
      {L"InternalName", L"Dravel03"},
      {L"LegalCopyright", L"Copyright (C) 2026"},
      {L"LegalTrademarks", L""},
      {L"OriginalFilename", L"Dravel03.EXE"},
      {L"ProductName", L"Dravel03 ｱﾌﾟﾘｹｰｼｮﾝ"},
      {L"ProductVersion", L"1, 0, 0, 1"},
  };
  for (const auto& e : expected) {
    wchar_t* pValue = nullptr;
    const std::wstring strPath = std::wstring(L"\\StringFileInfo\\041104B0\\") + e.pName;
    const bool bFound = VerQueryValueW(info.data(), strPath.c_str(), reinterpret_cast<void**>(&pValue), &nLength);
    ExpectNumber(std::wstring(e.pName) + L" present", bFound, 1);
    if (bFound) ExpectText(e.pName, pValue != nullptr && nLength > 0 ? std::wstring(pValue) : L"", e.pValue);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  g_hProgram = LoadLibraryExW(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (g_hProgram == nullptr) return 2;
  const std::wstring strWhat = argv[2];
  if (strWhat == L"menu") {
    CheckMenu();
  } else if (strWhat == L"accelerators") {
    CheckAccelerators();
  } else if (strWhat == L"strings") {
    CheckStrings();
  } else if (strWhat == L"icons") {
    CheckIcons();
  } else if (strWhat == L"dialogs") {
    CheckDialogs();
  } else if (strWhat == L"version") {
    CheckVersion(argv[1]);
  } else {
    return 2;
  }
  return g_nDifferences == 0 ? 0 : 1;
}
