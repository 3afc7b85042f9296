#pragma once

// A realistic temp.txt: the header records the host writes first, then a
// body of drawing records (segments, circles, points, layer, group, size,
// colour and alignment switches, text records with Shift-JIS texts, msg
// blocks), CR LF line ends. The same seed gives the same bytes on every
// machine.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// mixed: about 30% text records, half of them turned under /G1; copy: no
// text records, so every body line is copied; text: 90% text records, most
// of them turned.
enum class Profile { Mixed, Copy, Text };

// "mixed", "copy" or "text"; false for any other name.
bool ParseProfile(std::string_view strName, Profile& profile);

// How much body to write: at least nLines lines in all when it is not 0,
// otherwise at least nBytes bytes.
struct CTempSize {
  size_t nLines;
  size_t nBytes;
};

// Hands the file to `write` in pieces of about 64 KiB.
void GenerateTemp(Profile profile, uint64_t nSeed, const CTempSize& size,
                  const std::function<void(std::string_view)>& write);

// The whole file in memory, for the micro-benchmarks.
std::string GenerateTemp(Profile profile, uint64_t nSeed, size_t nLines);
