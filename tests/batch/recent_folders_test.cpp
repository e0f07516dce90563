#include "batch/recent_folders.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

TEST(RecentFolders, MostRecentFirstEachOnceUpToTheLimit) {
  ResetSettings(DefaultSet::Console);
  settings.outFoldersNumber = 5;
  settings.recentOutFolders = " /a/ \t/b/\t/c/\t/d/\t/e/";
  EXPECT_EQ(RecentOutputFolder(0), "/a/");
  EXPECT_EQ(RecentOutputFolder(4), "/e/");
  EXPECT_EQ(RecentOutputFolder(5), "");

  struct Case {
    const char* folder;
    bool stored;
    const char* list;
  } cases[] = {
      {"/new/", true, "/new/\t/a/\t/b/\t/c/\t/d/"},
      {"/C/", true, "/C/\t/new/\t/a/\t/b/\t/d/"},  // the same folder in another case moves up, once
      {"/a/", true, "/a/\t/C/\t/new/\t/b/\t/d/"},
      {"", false, "/a/\t/C/\t/new/\t/b/\t/d/"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AddRecentOutputFolder(c.folder), c.stored) << c.folder;
    EXPECT_EQ(settings.recentOutFolders, c.list) << c.folder;
  }

  settings.outFoldersNumber = 2;
  settings.recentOutFolders = "/x/\t\t/y/\t/z/";
  AddRecentOutputFolder("/w/");
  EXPECT_EQ(settings.recentOutFolders, "/w/\t/x/");
}
