#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "tests/test_support.h"

namespace {

struct RunResult {
  int status;
  std::string out;
  std::string err;
};

// Runs the program in the current directory with `args` (shell words).
RunResult RunProgram(const std::string& args) {
  const std::string command = std::string(DRAVEL03_EXE) + " " + args + " >out.log 2>err.log </dev/null";
  const int raw = std::system(command.c_str());
  RunResult result{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile("out.log"), ReadFile("err.log")};
  std::remove("out.log");
  std::remove("err.log");
  return result;
}

TEST(CommandLineTest, ConvertsInEveryMode) {
  for (const char* mode : {"/G1", "/G2", "/M1", "/M2", "/M3", "", "/g1", "-G1", "/p", "/dde", "-Embedding"}) {
    CScratchDir dir;
    WriteFile("temp.txt", "hq x\nhs 1\nhch 2.5\ncn1\nab c\r\n");
    const RunResult result = RunProgram(mode);
    EXPECT_EQ(result.status, 0) << mode;
    EXPECT_EQ(result.err, "") << mode;
    EXPECT_EQ(ReadFile("jwc_temp.txt"), "hd\r\ncn1\r\nab c\r\n") << mode;
  }
}

TEST(CommandLineTest, TheFirstArgumentIsTheMode) {
  CScratchDir dir;
  WriteFile("temp.txt", "hs 1\nhch 2.5\ncn1\nch 10 20 -30 0 A\n");
  EXPECT_EQ(RunProgram("/G1 /M2").status, 0);
  EXPECT_EQ(ReadFile("jwc_temp.txt"), "cn1\r\nch -20 17.5 30 0 A\r\n");
}

TEST(CommandLineTest, ADocumentNameRunsNoPass) {
  for (const char* args : {"drawing.dat", "/G1 drawing.dat", "drawing.dat /G1"}) {
    CScratchDir dir;
    WriteFile("temp.txt", "a\n");
    WriteFile("jwc_temp.txt", "old");
    const RunResult result = RunProgram(args);
    EXPECT_EQ(result.status, 0) << args;
    EXPECT_EQ(ReadFile("jwc_temp.txt"), "old") << args;
  }
  CScratchDir dir;
  EXPECT_EQ(RunProgram("drawing.dat").status, 0);
  EXPECT_FALSE(FileExists("jwc_temp.txt"));
}

TEST(CommandLineTest, FileErrorsGiveTheMessageAndStatusOne) {
  CScratchDir dir;
  const RunResult missing = RunProgram("/G1");
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "Dravel03: temp.txt: ファイルがありません\n");
  EXPECT_EQ(ReadFile("jwc_temp.txt"), "");

  WriteFile("temp.txt", "a\n");
  std::remove("jwc_temp.txt");
  std::system("ln -s /dev/full jwc_temp.txt");
  const RunResult full = RunProgram("/G1");
  EXPECT_EQ(full.status, 1);
  EXPECT_EQ(full.err, "Dravel03: " + dir.Path() + "/jwc_temp.txt: ファイルがありません\n");
}

TEST(CommandLineTest, HelpAndVersionTouchNoFile) {
  const struct {
    const char* args;
    const char* start;
  } cases[] = {{"--help", "Usage: dravel03"}, {"-h", "Usage: dravel03"}, {"'/?'", "Usage: dravel03"},
               {"--version", "Dravel03 1.0.0.1\n"}};
  for (const auto& c : cases) {
    CScratchDir dir;
    const RunResult result = RunProgram(c.args);
    EXPECT_EQ(result.status, 0) << c.args;
    EXPECT_EQ(result.out.rfind(c.start, 0), 0u) << c.args << ": " << result.out;
    EXPECT_FALSE(FileExists("jwc_temp.txt")) << c.args;
  }
}

}  // namespace
