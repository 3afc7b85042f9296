#pragma once

#include <memory>
#include <string>

#include "platform/file.h"

// What the conversion pass needs of the system: its two files and the one
// message box. The native implementation lives in twin files per system;
// tests put their own in its place.
class CPlatform {
 public:
  virtual ~CPlatform() = default;

  // Opens an existing file for reading, not shared. Throws a CFileException
  // carrying `strName` as given when it cannot.
  virtual std::unique_ptr<CFile> OpenForReading(const std::string& strName) = 0;

  // Creates or empties a file for writing, not shared. Throws a
  // CFileException carrying `strName` as given when it cannot; an existing
  // file that cannot be had for exclusive use is left as it was.
  virtual std::unique_ptr<CFile> OpenForWriting(const std::string& strName) = 0;

  // Whether its files can be read and written by threads of their own
  // while the pass goes on. Off unless a platform says so: a double that
  // logs and numbers every operation needs them in one order.
  virtual bool CanUseFilesInBackground() const { return false; }

  // Shows the modal error message with the program's caption. The text is
  // UTF-8.
  virtual void ShowError(const std::string& strText) = 0;

  // Shows an informational text (usage, version) the way the system shows
  // a program's output. The text is UTF-8.
  virtual void ShowInfo(const std::string& strText) = 0;
};

// The platform of the system the program was built for.
CPlatform& NativePlatform();
