#include "platform/recent_file_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Entries(const CRecentFileList& list) {
  std::vector<std::string> v;
  for (int i = 0; i < list.Size(); ++i) v.push_back(list[i]);
  return v;
}

TEST(RecentFileListTest, AddPutsThePathFirst) {
  const struct {
    std::vector<std::string> before;
    std::string added;
    std::vector<std::string> after;
  } cases[] = {
      {{"", "", "", ""}, "C:\\a", {"C:\\a", "", "", ""}},
      {{"a", "b", "c", "d"}, "e", {"e", "a", "b", "c"}},
      {{"a", "b", "c", "d"}, "c", {"c", "a", "b", "d"}},
      {{"a", "b", "c", "d"}, "a", {"a", "b", "c", "d"}},
      {{"C:\\Dir\\X.dat", "b", "", ""}, "c:\\dir\\x.DAT", {"c:\\dir\\x.DAT", "b", "", ""}},
      {{"", "b", "", ""}, "n", {"n", "", "b", ""}},
      {{"a", "b", "", ""}, "", {"a", "b", "", ""}},
  };
  for (const auto& c : cases) {
    CRecentFileList list(static_cast<int>(c.before.size()));
    for (int i = 0; i < list.Size(); ++i) list[i] = c.before[static_cast<size_t>(i)];
    list.Add(c.added);
    EXPECT_EQ(Entries(list), c.after) << c.added;
  }
}

TEST(RecentFileListTest, AListWithoutSlotsStaysEmpty) {
  CRecentFileList list;
  list.Add("a");
  EXPECT_EQ(list.Size(), 0);
}

}  // namespace
