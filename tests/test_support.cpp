#include "tests/test_support.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

CScratchDir::CScratchDir() {
  std::random_device random;
  const fs::path path =
      fs::temp_directory_path() / ("dravel03-test-" + std::to_string(random()) + std::to_string(random()));
  fs::create_directories(path);
  m_strPath = path.string();
  m_strPrevious = fs::current_path().string();
  fs::current_path(path);
}

CScratchDir::~CScratchDir() {
  std::error_code error;
  fs::current_path(m_strPrevious, error);
  fs::remove_all(m_strPath, error);
}

void WriteFile(const std::string& strPath, const std::string& strContents) {
  std::ofstream file(strPath, std::ios::binary | std::ios::trunc);
  file.write(strContents.data(), static_cast<std::streamsize>(strContents.size()));
}

std::string ReadFile(const std::string& strPath) {
  std::ifstream file(strPath, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& strPath) { return fs::exists(fs::symlink_status(strPath)); }
