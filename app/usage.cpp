#include "app/usage.h"

InfoRequest InfoRequested(const std::string& strArg) {
  if (strArg == "--help" || strArg == "-h" || strArg == "/?") return InfoRequest::Help;
  if (strArg == "--version") return InfoRequest::Version;
  return InfoRequest::None;
}

const char* UsageText() {
  return "Usage: dravel03 MODE\n"
         "\n"
         "Converts temp.txt in the current directory into jwc_temp.txt.\n"
         "\n"
         "Modes:\n"
         "  /G1   turn text records that do not point right (or straight up)\n"
         "  /G2   turn text records that do not point down (or straight right)\n"
         "  /M1   turn each cs record of a msg block where it stands\n"
         "  /M2   mirror each cs record across its reference line, then turn it\n"
         "  /M3   mirror each cs record across its reference line\n"
         "  Under /G1 and /G2, cs records of msg blocks are turned or mirrored\n"
         "  as they lie to their reference line. Any other mode turns nothing.\n"
         "\n"
         "A first argument that does not begin with / or - is a document\n"
         "name: no conversion runs and no file is touched.\n"
         "\n"
         "Exit status: 0 after a complete conversion, 1 when a file could not\n"
         "be opened, read or written.\n"
         "\n"
         "  -h, --help, /?   show this text\n"
         "  --version        show the version\n";
}

const char* VersionText() { return "Dravel03 " DRAVEL03_VERSION "\n"; }
