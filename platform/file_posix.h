#pragma once

#include <memory>
#include <string>

#include "platform/file.h"

// Files on POSIX systems. "Not shared" is a non-blocking exclusive flock held
// for as long as the file is open: a file another process holds locked
// cannot be opened.
std::unique_ptr<CFile> OpenPosixFileForReading(const std::string& strName);
std::unique_ptr<CFile> OpenPosixFileForWriting(const std::string& strName);
