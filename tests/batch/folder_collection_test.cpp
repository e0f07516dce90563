#include "batch/folder_collection.h"
#include "batch_fixture.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void MakeFolders(const ScratchFolder& dir, std::initializer_list<const char*> folders) {
  for (const char* folder : folders) mkdir(dir.File(folder).c_str(), 0755);
}

void MakeFiles(const ScratchFolder& dir, std::initializer_list<const char*> files) {
  for (const char* file : files) WriteBytes(dir.File(file), {'B', 'M'});
}

}  // namespace

class FolderCollection : public BatchTest {};

TEST_F(FolderCollection, AcceptedNonEmptyFilesOfEveryLevelWithTheirSubfolders) {
  MakeFolders(dir, {"in", "in/sub", "in/sub/deeper", "in/empty"});
  MakeFiles(dir, {"in/a.bmp", "in/b.BMP", "in/c.dib", "in/d.rle", "in/e.png", "in/g.DIB", "in/h.bmp2",
                  "in/noext", "in/sub/i.bmp", "in/sub/deeper/j.Rle"});
  WriteBytes(dir.File("in/f.bmp"), {});
  job.inputRoot = dir.File("in/");
  EXPECT_EQ(Run(FolderCollectionTask), 7);
  // The order of a folder's entries is the file system's; only the set is fixed.
  EXPECT_EQ(Listed(), (std::vector<std::string>{"in/a.bmp@", "in/b.BMP@", "in/c.dib@", "in/d.rle@", "in/g.DIB@",
                                                "in/sub/deeper/j.Rle@sub/deeper/", "in/sub/i.bmp@sub/"}));
  EXPECT_EQ(Run(FolderCollectionTask), 0);  // nothing new the second time
  EXPECT_EQ(inputList.Size(), 7u);
}

TEST_F(FolderCollection, AnUnreadableRootOrAStoppedTaskAddsNothing) {
  job.inputRoot = dir.File("missing/");
  EXPECT_EQ(Run(FolderCollectionTask), 0);

  MakeFolders(dir, {"in"});
  MakeFiles(dir, {"in/a.bmp"});
  job.inputRoot = dir.File("in/");
  BatchProgress stopped;  // a stop asked before the first entry
  FolderCollectionTask(stopped);
  EXPECT_EQ(stopped.total, 0);
  EXPECT_TRUE(inputList.Empty());
}

TEST_F(FolderCollection, ALinkBackUpTheTreeIsNotFollowedRound) {
  MakeFolders(dir, {"in", "in/sub"});
  MakeFiles(dir, {"in/a.bmp", "in/sub/b.bmp"});
  ASSERT_EQ(symlink("..", dir.File("in/sub/up").c_str()), 0);
  ASSERT_EQ(symlink(".", dir.File("in/self").c_str()), 0);
  job.inputRoot = dir.File("in/");
  EXPECT_EQ(Run(FolderCollectionTask), 2);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"in/a.bmp@", "in/sub/b.bmp@sub/"}));
  inputList.Clear();
  EXPECT_EQ(ScanFolder(dir.File("in/sub/")), 2);  // a scan of its own meets the loop too
}

// Root reads every folder whatever its mode, so the scan runs in a child process as an ordinary user.
TEST_F(FolderCollection, AnUnreadableSubfolderIsSkipped) {
  MakeFolders(dir, {"in", "in/locked", "in/open"});
  MakeFiles(dir, {"in/a.bmp", "in/locked/x.bmp", "in/open/y.bmp"});
  chmod(dir.Path().c_str(), 0755);
  chmod(dir.File("in/locked").c_str(), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(100);
    _exit(ScanFolder(dir.File("in/")));
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 2);
}
