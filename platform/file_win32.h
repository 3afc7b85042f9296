#pragma once

#include <memory>
#include <string>

#include "platform/file.h"

// Files on Windows, opened with share mode 0: the open fails while another
// process holds the file, and no other process can open it meanwhile.
// Names are UTF-8.
std::unique_ptr<CFile> OpenWin32FileForReading(const std::string& strName);
std::unique_ptr<CFile> OpenWin32FileForWriting(const std::string& strName);

// The full path of a file name, UTF-8; the name itself when it has none.
std::string FullPathName(const std::string& strName);
