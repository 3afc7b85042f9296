#pragma once

#include <string>

// What the first argument asks for before anything else happens.
enum class InfoRequest { None, Help, Version };

InfoRequest InfoRequested(const std::string& strFirstArgument);

// The texts shown for --help and --version.
const char* UsageText();
const char* VersionText();
