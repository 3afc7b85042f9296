// Writes a realistic temp.txt to standard output.
//
//   generate_temp mixed|copy|text (--lines N | --bytes N) [--seed S]

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "bench/temp_generator.h"

namespace {

int Usage() {
  std::fputs("usage: generate_temp mixed|copy|text (--lines N | --bytes N) [--seed S]\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  Profile profile;
  if (argc < 4 || !ParseProfile(argv[1], profile)) return Usage();
  CTempSize size{0, 0};
  uint64_t nSeed = 1;
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string_view strOption = argv[i];
    const unsigned long long nValue = std::strtoull(argv[i + 1], nullptr, 10);
    if (strOption == "--lines") {
      size.nLines = nValue;
    } else if (strOption == "--bytes") {
      size.nBytes = nValue;
    } else if (strOption == "--seed") {
      nSeed = nValue;
    } else {
      return Usage();
    }
  }
  if (size.nLines == 0 && size.nBytes == 0) return Usage();
  bool bWritten = true;
  GenerateTemp(profile, nSeed, size, [&bWritten](std::string_view strPiece) {
    bWritten = bWritten && std::fwrite(strPiece.data(), 1, strPiece.size(), stdout) == strPiece.size();
  });
  return bWritten && std::fflush(stdout) == 0 ? 0 : 1;
}
