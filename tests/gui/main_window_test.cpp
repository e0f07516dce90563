#include "app/window_state.h"
#include "gui/desktop_size.h"
#include "gui/main_window.h"
#include "settings/config_file.h"
#include "settings/settings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>

#include <memory>

namespace {

// One application for the whole suite, as in the program.
class Application : public ::testing::Environment {
public:
  void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
  void TearDown() override { app_.reset(); }

private:
  int argc_ = 1;
  char name_[8] = "gui";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};
const auto* const application = ::testing::AddGlobalTestEnvironment(new Application);

void SetGeometry(int x, int y, int width, int height, int8_t maximized) {
  ResetSettings(DefaultSet::Window);
  settings.x = x;
  settings.y = y;
  settings.width = width;
  settings.height = height;
  settings.isMaximized = maximized;
}

}  // namespace

TEST(MainWindow, OpensHiddenAtTheStoredGeometryWithTheProgramTitle) {
  SetGeometry(40, 50, 640, 480, 0);
  MainWindow window;
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), "Tarnwick 2.5");
  window.Prepare();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.pos(), QPoint(40, 50));
  EXPECT_EQ(window.size(), QSize(640, 480));
  EXPECT_EQ(window.ShowState(), WindowShow::Normal);
}

TEST(MainWindow, NeverSmallerThanItsMinimum) {
  SetGeometry(100, 100, 300, 200, 0);
  MainWindow window;
  window.Prepare();
  EXPECT_EQ(window.size(), QSize(510, 330));
  window.resize(100, 100);
  EXPECT_EQ(window.size(), QSize(510, 330));
}

TEST(MainWindow, OpensMaximisedWhenStoredSo) {
  SetGeometry(100, 100, 510, 330, 1);
  MainWindow window;
  window.Prepare();
  EXPECT_TRUE(window.isMaximized());
  EXPECT_EQ(window.ShowState(), WindowShow::Maximized);
}

// The end of window mode as the program does it: the real window's state into the settings, then
// the file.
TEST(MainWindow, TheEndKeepsWhatEachWindowStateCallsFor) {
  ScratchFolder folder;
  const std::string config = folder.File("config.ini");

  SetGeometry(10, 20, 600, 400, 0);
  MainWindow normal;
  normal.Prepare();
  normal.move(70, 80);
  normal.resize(700, 500);
  StoreSettingsAtExit(normal.ShowState(), normal.Frame());
  EXPECT_EQ(settings.isMaximized, 0);
  EXPECT_EQ(settings.x, 70);
  EXPECT_EQ(settings.y, 80);
  EXPECT_EQ(settings.width, 700);
  EXPECT_EQ(settings.height, 500);

  // Minimised: the file's geometry from the save before stays as it was.
  ASSERT_TRUE(SaveConfiguration(config));
  const std::vector<uint8_t> before = ReadBytes(config);
  MainWindow minimised;
  minimised.showMinimized();
  minimised.move(5, 5);
  ASSERT_EQ(minimised.ShowState(), WindowShow::Minimized);
  StoreSettingsAtExit(minimised.ShowState(), minimised.Frame());
  ASSERT_TRUE(SaveConfiguration(config));
  EXPECT_EQ(ReadBytes(config), before);

  // Maximised: flagged, the normal geometry kept for the next start.
  MainWindow maximised;
  maximised.showMaximized();
  StoreSettingsAtExit(maximised.ShowState(), maximised.Frame());
  EXPECT_EQ(settings.isMaximized, 1);
  EXPECT_EQ(settings.x, 70);
  EXPECT_EQ(settings.width, 700);
}

TEST(MainWindow, CentredDefaultsUseThePrimaryScreen) {
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  ASSERT_GT(screen.width(), 510);
  ASSERT_GT(screen.height(), 330);
  SetDesktopSizeProvider(PrimaryDesktopSize);
  ResetSettings(DefaultSet::Window);
  SetDesktopSizeProvider(nullptr);
  EXPECT_EQ(settings.x, (screen.width() - 510) / 2);
  EXPECT_EQ(settings.y, (screen.height() - 330) / 2);
}
