#pragma once

#include <string>

// Text is UTF-8 inside the program and UTF-16 at the system's wide API.
std::wstring Widen(const std::string& strText);
std::string Narrow(const std::wstring& strText);

// A string of the program's resources, empty when there is none.
std::wstring LoadResourceString(unsigned nId);

// The program's title: its string 57344, "Dravel03" where that is missing.
std::wstring AppTitle();
