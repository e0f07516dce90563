#include "app/program.h"
#include "platform/instance_lock.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Program, VersionAndTitle) {
  EXPECT_EQ(VersionText(250), "2.5");
  EXPECT_EQ(VersionText(251), "2.5.1");
  EXPECT_EQ(VersionText(300), "3.0");
  EXPECT_EQ(ProgramTitle(), "Tarnwick 2.5");
}

TEST(InstanceLock, ASecondCopyIsRefusedUntilTheFirstLetsGo) {
  ScratchFolder runtime;
  setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
  ASSERT_TRUE(AcquireInstanceLock(ProgramTitle()));
  EXPECT_TRUE(FileExists(runtime.File("Tarnwick 2.5.lock")));

  // The built program is a second copy now: it ends at once, silently, and fails.
  std::string output;
  EXPECT_EQ(RunCommand(Quote(VANTOREL_EXE), &output), 1);
  EXPECT_EQ(output, "");

  ReleaseInstanceLock();
  EXPECT_EQ(RunCommand(Quote(VANTOREL_EXE) + " -V", &output), 0);  // a console run: no window
}
