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
      {"/c/", true, "/c/\t/new/\t/a/\t/b/\t/d/"},  // a listed folder moves up, once
      {"/A/", true, "/A/\t/c/\t/new/\t/a/\t/b/"},  // another case is another folder
      {"", false, "/A/\t/c/\t/new/\t/a/\t/b/"},
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
