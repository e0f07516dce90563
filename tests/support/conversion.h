#pragma once
// Runs the conversion pipeline the way a front end does, for tests.
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <string>

// Console defaults, a fresh job and DevIL ready, with a scratch folder for each test.
class ConversionTest : public ::testing::Test {
protected:
  static void SetUpTestSuite();
  void SetUp() override;
  // Converts `source` to `extension` at `depth` (0: automatic) into `target`.
  bool Convert(const std::string& source, const std::string& extension, int depth, const std::string& target);
  ScratchFolder dir;
};
