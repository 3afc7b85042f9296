#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "convert/dravel03_doc.h"
#include "run/line_writer.h"
#include "tests/test_support.h"

namespace {

// A lock on a file, as another process would hold it.
class CHeldFile {
 public:
  explicit CHeldFile(const std::string& strName) : m_fd(open(strName.c_str(), O_RDONLY)) {
    EXPECT_EQ(flock(m_fd, LOCK_EX | LOCK_NB), 0);
  }
  ~CHeldFile() { close(m_fd); }

 private:
  int m_fd;
};

const char kMissing[] = ": ファイルがありません";

struct PassResult {
  std::vector<std::string> messages;
  bool bError;
};

PassResult RunPass(const std::string& strMode = "/G1") {
  CCapturingPlatform platform;
  CDravel03Doc doc(platform, strMode);
  doc.NewDocument();
  return {platform.m_messages, doc.FileErrorReported()};
}

std::string FullPath(const std::string& strName) {
  return (std::filesystem::current_path() / strName).string();
}

TEST(ConvertTest, CopiesEveryLineWithCrLf) {
  CScratchDir dir;
  WriteFile("temp.txt", "a\nb\r\n\nc\rd\ne\x1a" "f\n");
  const PassResult result = RunPass("/G3");
  EXPECT_TRUE(result.messages.empty());
  EXPECT_FALSE(result.bError);
  EXPECT_EQ(ReadFile("jwc_temp.txt"), "a\r\nb\r\n\r\nc\rd\r\ne\r\n");
}

TEST(ConvertTest, EmptyInputGivesEmptyOutput) {
  CScratchDir dir;
  WriteFile("temp.txt", "");
  WriteFile("jwc_temp.txt", "old contents");
  EXPECT_TRUE(RunPass().messages.empty());
  EXPECT_EQ(ReadFile("jwc_temp.txt"), "");
}

TEST(ConvertTest, ALineOfMegabytesPassesIntact) {
  CScratchDir dir;
  std::string line(5 * 1024 * 1024, 'x');
  for (size_t i = 0; i < line.size(); i += 7) line[i] = ' ';
  WriteFile("temp.txt", "ch 1 2 3 4\n" + line + "\nend");
  EXPECT_TRUE(RunPass().messages.empty());
  EXPECT_EQ(ReadFile("jwc_temp.txt"), "ch 1 2 3 4\r\n" + line + "\r\nend\r\n");
}

TEST(ConvertTest, MissingInput) {
  CScratchDir dir;
  WriteFile("jwc_temp.txt", "old contents");
  const PassResult result = RunPass();
  EXPECT_EQ(result.messages, std::vector<std::string>{std::string("temp.txt") + kMissing});
  EXPECT_TRUE(result.bError);
  EXPECT_EQ(ReadFile("jwc_temp.txt"), "");
}

TEST(ConvertTest, InputHeldByAnotherProcess) {
  CScratchDir dir;
  WriteFile("temp.txt", "a\n");
  CHeldFile held("temp.txt");
  const PassResult result = RunPass();
  EXPECT_EQ(result.messages, std::vector<std::string>{std::string("temp.txt") + kMissing});
  EXPECT_TRUE(result.bError);
  EXPECT_EQ(ReadFile("jwc_temp.txt"), "");
  EXPECT_EQ(ReadFile("temp.txt"), "a\n");
}

TEST(ConvertTest, OutputThatCannotBeHad) {
  const std::string expected = std::string("jwc_temp.txt") + kMissing;
  {
    CScratchDir dir;  // held by another process: left as it was
    WriteFile("temp.txt", "a\n");
    WriteFile("jwc_temp.txt", "old contents");
    CHeldFile held("jwc_temp.txt");
    const PassResult result = RunPass();
    EXPECT_EQ(result.messages, std::vector<std::string>{expected});
    EXPECT_TRUE(result.bError);
    EXPECT_EQ(ReadFile("jwc_temp.txt"), "old contents");
  }
  {
    CScratchDir dir;  // a directory in its place
    WriteFile("temp.txt", "a\n");
    std::filesystem::create_directory("jwc_temp.txt");
    EXPECT_EQ(RunPass().messages, std::vector<std::string>{expected});
  }
  {
    CScratchDir dir;  // a place that cannot be created
    WriteFile("temp.txt", "a\n");
    std::filesystem::create_symlink("missing/dir/file", "jwc_temp.txt");
    EXPECT_EQ(RunPass().messages, std::vector<std::string>{expected});
  }
}

TEST(ConvertTest, OutputNotCreatableLeavesTheInputUnopened) {
  CScratchDir dir;
  std::filesystem::create_directory("jwc_temp.txt");
  // A held input would be a second error; none is reported.
  WriteFile("temp.txt", "a\n");
  CHeldFile held("temp.txt");
  EXPECT_EQ(RunPass().messages.size(), 1u);
}

TEST(ConvertTest, ReadError) {
  CScratchDir dir;
  std::filesystem::create_directory("temp.txt");  // opens, but cannot be read
  const PassResult result = RunPass();
  EXPECT_EQ(result.messages, std::vector<std::string>{FullPath("temp.txt") + kMissing});
  EXPECT_TRUE(result.bError);
  EXPECT_EQ(ReadFile("jwc_temp.txt"), "");
}

TEST(ConvertTest, WriteError) {
  // A small output, written at the end, and one of many buffers, written in
  // the background while the pass goes on.
  std::string strLarge;
  while (strLarge.size() < 3 * CLineWriter::kBufferSize) strLarge += "1 2 3 4\r\nlc1\r\n";
  for (const std::string& strInput : {std::string("a\nb\n"), strLarge}) {
    CScratchDir dir;
    WriteFile("temp.txt", strInput);
    std::filesystem::create_symlink("/dev/full", "jwc_temp.txt");
    const PassResult result = RunPass();
    EXPECT_EQ(result.messages, std::vector<std::string>{FullPath("jwc_temp.txt") + kMissing});
    EXPECT_TRUE(result.bError);
  }
}

TEST(NewDocumentTest, SelectsTheModeFromTheFirstArgument) {
  const struct {
    const char* argument;
    const char* mode;
    const char* subMode;
  } cases[] = {
      {"/G1", "/G1", "/M3"}, {"/G2", "/G2", "/M3"}, {"/M1", "/G3", "/M1"}, {"/M2", "/G3", "/M2"},
      {"/M3", "/G3", "/M3"}, {"", "", "/M3"},       {"/G3", "/G3", "/M3"}, {"/m2", "/m2", "/M3"},
      {"-M2", "-M2", "/M3"}, {"/p", "/p", "/M3"},   {"/Embedding", "/Embedding", "/M3"},
  };
  for (const auto& c : cases) {
    CScratchDir dir;
    WriteFile("temp.txt", "");
    CCapturingPlatform platform;
    CDravel03Doc doc(platform, c.argument);
    doc.m_strSubMode = "/M3";
    EXPECT_TRUE(doc.NewDocument());
    EXPECT_EQ(doc.m_strMode, c.mode) << c.argument;
    EXPECT_EQ(doc.m_strSubMode, c.subMode) << c.argument;
    EXPECT_TRUE(platform.m_messages.empty());
  }
}

TEST(NewDocumentTest, ASecondPassKeepsTheSettings) {
  CScratchDir dir;
  WriteFile("temp.txt", "hs 1\nhch 2.5\ncn1\nch 10 20 -30 0 A\n");
  CCapturingPlatform platform;
  CDravel03Doc doc(platform, "/G1");
  doc.NewDocument();
  WriteFile("temp.txt", "ch 10 20 -30 0 A\n");
  doc.NewDocument();
  EXPECT_EQ(ReadFile("jwc_temp.txt"), "ch -20 17.5 30 0 A\r\n");
}

}  // namespace
