#include "batch/conversion_worker.h"
#include "batch/folder_collection.h"
#include "batch_fixture.h"
#include "engine/output_job.h"
#include "support/images.h"

#include <IL/il.h>
#include <IL/ilu.h>

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

time_t ModificationTime(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? st.st_mtime : -1;
}

}  // namespace

class ConversionWorkerTest : public BatchTest {
protected:
  static void SetUpTestSuite() {
    ilInit();
    iluInit();
  }
  void SetUp() override {
    BatchTest::SetUp();
    ASSERT_TRUE(PrepareOutputFormat("png"));
    mkdir(dir.File("in").c_str(), 0755);
    mkdir(dir.File("out").c_str(), 0755);
    job.outputFolder = dir.File("out/");
  }
  std::string Source(const std::string& name, unsigned width = 4) {
    const std::string path = dir.File("in/" + name);
    SaveBmp(MakeColourful(width, 3), path);
    return path;
  }
};

TEST_F(ConversionWorkerTest, ConvertsACollectedTreeIntoTheSameSubfolders) {
  mkdir(dir.File("in/a").c_str(), 0755);
  mkdir(dir.File("in/a/b").c_str(), 0755);
  Source("x.bmp");
  Source("a/b/y.bmp", 5);
  job.inputRoot = dir.File("in/");
  ASSERT_EQ(Run(FolderCollectionTask), 2);
  settings.keepSubfolders = 1;
  EXPECT_EQ(Run(ConversionWorker), 2);
  EXPECT_EQ(IdentifySize(dir.File("out/x.png")), "4x3");
  EXPECT_EQ(IdentifySize(dir.File("out/a/b/y.png")), "5x3");
  EXPECT_EQ(ListFolder(dir.File("out")), (std::vector<std::string>{"a", "x.png"}));
  EXPECT_EQ(ListFolder(dir.File("out/a/b")), std::vector<std::string>{"y.png"});

  settings.keepSubfolders = 0;
  settings.filenameMask = "flat_%filename%.%ext%";
  EXPECT_EQ(Run(ConversionWorker), 2);
  EXPECT_TRUE(FileExists(dir.File("out/flat_y.png")));
}

TEST_F(ConversionWorkerTest, NumbersFollowTheOrderOfAddingAndOnlySuccessesMoveThem) {
  WriteBytes(dir.File("in/broken.bmp"), std::vector<uint8_t>(100, 'x'));
  for (const std::string& path : {Source("z.bmp"), dir.File("in/broken.bmp"), Source("a.bmp"), Source("m.bmp")})
    inputList.Add(path, "");
  settings.filenameMask = "%n%_%filename%.%ext%";
  EXPECT_EQ(Run(ConversionWorker), 3);
  EXPECT_EQ(ListFolder(dir.File("out")),
            (std::vector<std::string>{"00001_z.png", "00002_a.png", "00003_m.png"}));
  EXPECT_EQ(job.sequenceNumber, 4);
}

TEST_F(ConversionWorkerTest, ModificationTimeOriginalOrCustom) {
  const std::string source = Source("x.bmp");
  const timespec old[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, source.c_str(), old, 0), 0);
  inputList.Add(source, "");
  settings.fileTimestamp = 1;
  EXPECT_EQ(Run(ConversionWorker), 1);
  EXPECT_EQ(ModificationTime(dir.File("out/x.png")), 1000000000);

  // The custom date is a local wall-clock count: three hours east of UTC it is three hours earlier.
  const char* oldZone = std::getenv("TZ");
  const std::string savedZone = oldZone ? oldZone : "";
  setenv("TZ", "XYZ-3", 1);
  tzset();
  settings.fileTimestamp = 2;
  settings.customTimestamp = 1700000000;
  EXPECT_EQ(Run(ConversionWorker), 1);
  EXPECT_EQ(ModificationTime(dir.File("out/x.png")), 1700000000 - 3 * 3600);
  if (oldZone) setenv("TZ", savedZone.c_str(), 1);
  else unsetenv("TZ");
  tzset();

  settings.fileTimestamp = 0;
  const time_t before = time(nullptr);
  EXPECT_EQ(Run(ConversionWorker), 1);
  EXPECT_GE(ModificationTime(dir.File("out/x.png")), before);
}

TEST_F(ConversionWorkerTest, DebugLinesInAConsoleRun) {
  WriteBytes(dir.File("in/broken.bmp"), std::vector<uint8_t>(100, 'x'));
  inputList.Add(Source("x.bmp"), "");
  inputList.Add(dir.File("in/broken.bmp"), "");
  job.runKeyword = "DEBUG";
  testing::internal::CaptureStdout();
  EXPECT_EQ(Run(ConversionWorker), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Processing: " + dir.File("in/x.bmp") + "\nSaving As: " + dir.File("out/x.png") + "\nOK\n" +
                "Processing: " + dir.File("in/broken.bmp") + "\nSaving As: \nNot OK\n");
  job.consoleMode = 0;  // the keyword alone prints nothing
  testing::internal::CaptureStdout();
  EXPECT_EQ(Run(ConversionWorker), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(ConversionWorkerTest, AnEmptyListEndsAtOnce) { EXPECT_EQ(Run(ConversionWorker), 0); }

// The third source is a pipe: the worker waits on it, so the stop certainly arrives while the
// third file is in progress. The third file is finished (it fails: a pipe is no bitmap file) and
// nothing after it is started.
TEST_F(ConversionWorkerTest, AStopTakesEffectAfterTheFileInProgress) {
  const std::string pipe = dir.File("in/c.bmp");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  for (const std::string& path : {Source("a.bmp"), Source("b.bmp"), pipe, Source("d.bmp"), Source("e.bmp")})
    inputList.Add(path, "");
  BackgroundTask task;
  ASSERT_TRUE(task.Start(ConversionWorker));
  while (task.Follow().currentIndex < 3) std::this_thread::yield();
  EXPECT_EQ(task.Follow().currentFile, pipe);
  task.Stop();
  const int writer = open(pipe.c_str(), O_WRONLY);  // lets the worker's read end
  ASSERT_GE(writer, 0);
  close(writer);
  EXPECT_EQ(task.Wait(), 2);
  EXPECT_EQ(ListFolder(dir.File("out")), (std::vector<std::string>{"a.png", "b.png"}));
}
