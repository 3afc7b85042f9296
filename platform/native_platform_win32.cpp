#include <windows.h>

#include "platform/file_win32.h"
#include "platform/platform.h"
#include "platform/wide_string_win32.h"

namespace {

// The message box goes through the wide API, so that its text reads right
// whatever the system's code page. It has no owner: the pass runs while no
// window of the program is visible.
class CWin32Platform : public CPlatform {
 public:
  std::unique_ptr<CFile> OpenForReading(const std::string& strName) override {
    return OpenWin32FileForReading(strName);
  }

  std::unique_ptr<CFile> OpenForWriting(const std::string& strName) override {
    return OpenWin32FileForWriting(strName);
  }

  bool CanUseFilesInBackground() const override { return true; }

  void ShowError(const std::string& strText) override { Show(strText, MB_ICONERROR); }

  void ShowInfo(const std::string& strText) override { Show(strText, MB_ICONINFORMATION); }

 private:
  static void Show(const std::string& strText, UINT nIcon) {
    MessageBoxW(nullptr, Widen(strText).c_str(), AppTitle().c_str(), MB_OK | nIcon);
  }
};

}  // namespace

CPlatform& NativePlatform() {
  static CWin32Platform platform;
  return platform;
}
