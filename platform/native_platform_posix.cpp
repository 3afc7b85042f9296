#include <cstdio>

#include "platform/file_posix.h"
#include "platform/platform.h"

namespace {

// On POSIX systems the message box is one line on standard error, headed by
// the program's caption, and informational texts go to standard output.
class CPosixPlatform : public CPlatform {
 public:
  std::unique_ptr<CFile> OpenForReading(const std::string& strName) override {
    return OpenPosixFileForReading(strName);
  }

  std::unique_ptr<CFile> OpenForWriting(const std::string& strName) override {
    return OpenPosixFileForWriting(strName);
  }

  bool CanUseFilesInBackground() const override { return true; }

  void ShowError(const std::string& strText) override {
    std::fprintf(stderr, "Dravel03: %s\n", strText.c_str());
    std::fflush(stderr);
  }

  void ShowInfo(const std::string& strText) override {
    std::fputs(strText.c_str(), stdout);
    std::fflush(stdout);
  }
};

}  // namespace

CPlatform& NativePlatform() {
  static CPosixPlatform platform;
  return platform;
}
