#pragma once
// A fresh console job and an empty input list for each batch test, with a scratch folder.
#include "batch/batch_progress.h"
#include "batch/input_list.h"
#include "settings/settings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class BatchTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetSettings(DefaultSet::Console);
    ResetJob();
    job.consoleMode = 1;
    inputList.Clear();
  }
  void TearDown() override { inputList.Clear(); }

  // Runs `body` as a background task to its end; gives its total.
  static int Run(BackgroundTask::Body body) {
    BackgroundTask task;
    EXPECT_TRUE(task.Start(std::move(body)));
    return task.Wait();
  }

  // The listed paths below the scratch folder, sorted, with their subfolders: "sub/x.bmp@sub/".
  std::vector<std::string> Listed() const {
    std::vector<std::string> listed;
    for (const InputEntry& entry : inputList)
      listed.push_back(entry.path.substr(dir.Path().size() + 1) + "@" + entry.relativeSubfolder);
    std::sort(listed.begin(), listed.end());
    return listed;
  }

  ScratchFolder dir;
};
