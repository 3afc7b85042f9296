#include "platform/command_line.h"

namespace {

bool IsFlag(const std::string& strArg) {
  return !strArg.empty() && (strArg[0] == '/' || strArg[0] == '-');
}

}  // namespace

void ParseCommandLine(const std::vector<std::string>& args, CCommandLineInfo& info) {
  for (const std::string& strArg : args) {
    if (IsFlag(strArg)) continue;
    info.m_nShellCommand = CCommandLineInfo::Command::FileOpen;
    info.m_strFileName = strArg;
    return;
  }
}
