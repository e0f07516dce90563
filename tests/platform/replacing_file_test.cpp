#include "platform/replacing_file.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(ReplacingFile, ACommittedWriteReplacesTheTargetEvenWhenReadOnly) {
  ScratchFolder dir;
  const std::string target = dir.File("out.png");
  WriteBytes(target, {1, 2, 3});
  chmod(target.c_str(), 0444);
  {
    ReplacingFile file(target);
    ASSERT_TRUE(file.Ok());
    EXPECT_EQ(file.TemporaryPath().rfind(dir.Path() + "/", 0), 0u);  // same folder: rename is atomic
    EXPECT_EQ(ReadBytes(target), (std::vector<uint8_t>{1, 2, 3}));     // untouched while writing
    ASSERT_TRUE(WriteWholeFile(file.TemporaryPath(), "new", 3));
    EXPECT_TRUE(file.Commit());
  }
  EXPECT_EQ(ReadBytes(target), (std::vector<uint8_t>{'n', 'e', 'w'}));
  EXPECT_EQ(ListFolder(dir.Path()), std::vector<std::string>{"out.png"});
}

TEST(ReplacingFile, AnAbandonedOrEmptyWriteLeavesTheOldTargetAndNoTemporaryFile) {
  ScratchFolder dir;
  const std::string target = dir.File("out.png");
  WriteBytes(target, {9});
  {
    ReplacingFile file(target);
    ASSERT_TRUE(file.Ok());
    WriteWholeFile(file.TemporaryPath(), "partial", 7);
  }  // never committed
  {
    ReplacingFile file(target, dir.File("vantorelbcdefghij.png"));
    EXPECT_FALSE(file.Commit());  // nothing was written
  }
  EXPECT_EQ(ReadBytes(target), std::vector<uint8_t>{9});
  EXPECT_EQ(ListFolder(dir.Path()), std::vector<std::string>{"out.png"});
}

TEST(ReplacingFile, TheGivenTemporaryNameIsUsedAndATakenOneGetsFreshLetters) {
  ScratchFolder dir;
  const std::string name = dir.File("vantorelbcdefghij.png");
  {
    ReplacingFile file(dir.File("out.png"), name);
    ASSERT_TRUE(file.Ok());
    EXPECT_EQ(file.TemporaryPath(), name);
    EXPECT_TRUE(FileExists(name));
    // Someone else's file of that name is never taken over.
    ReplacingFile second(dir.File("other.png"), name);
    ASSERT_TRUE(second.Ok());
    EXPECT_NE(second.TemporaryPath(), name);
    EXPECT_EQ(second.TemporaryPath().substr(0, name.size() - 9), name.substr(0, name.size() - 9));
    EXPECT_EQ(second.TemporaryPath().size(), name.size());
    EXPECT_TRUE(second.TemporaryPath().ends_with(".png"));
  }
  EXPECT_TRUE(ListFolder(dir.Path()).empty());
}

TEST(ReplacingFile, AMissingFolderFailsCleanly) {
  ScratchFolder dir;
  ReplacingFile file(dir.File("no/such/folder/out.png"));
  EXPECT_FALSE(file.Ok());
  EXPECT_FALSE(file.Commit());
  EXPECT_FALSE(ReplacingFile(dir.File("out.png"), dir.File("no/vantorelabcde.png")).Ok());
  EXPECT_FALSE(WriteWholeFile(dir.File("no/x"), "a", 1));
}
