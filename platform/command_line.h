#pragma once

#include <string>
#include <vector>

// What the command line asks the framework to do at start-up.
class CCommandLineInfo {
 public:
  enum class Command { FileNew, FileOpen };

  Command m_nShellCommand = Command::FileNew;
  std::string m_strFileName;  // the document file to open, for FileOpen
};

// Reads the arguments after the program's name. An argument that begins with
// "/" or "-" is a flag; any other argument is a document file name, and the
// first of those is opened instead of creating a new document. Flags carry no
// meaning for the framework: the program reads its run mode itself.
void ParseCommandLine(const std::vector<std::string>& args, CCommandLineInfo& info);
