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
    ReplacingFile file(target);
    EXPECT_FALSE(file.Commit());  // nothing was written
  }
  EXPECT_EQ(ReadBytes(target), std::vector<uint8_t>{9});
  EXPECT_EQ(ListFolder(dir.Path()), std::vector<std::string>{"out.png"});
}

TEST(ReplacingFile, AMissingFolderFailsCleanly) {
  ScratchFolder dir;
  ReplacingFile file(dir.File("no/such/folder/out.png"));
  EXPECT_FALSE(file.Ok());
  EXPECT_FALSE(file.Commit());
  EXPECT_FALSE(WriteWholeFile(dir.File("no/x"), "a", 1));
}
