#include "app/config_path.h"
#include "platform/app_data_folder.h"
#include "settings/config_file.h"
#include "settings/settings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

// Sets or clears an environment variable for one scope.
class ScopedVariable {
public:
  ScopedVariable(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      setenv(name, value->c_str(), 1);
    else
      unsetenv(name);
  }
  ~ScopedVariable() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }

private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace

TEST(ConfigLocation, LiesUnderTheUsersConfigHomeWithItsFoldersMade) {
  ScratchFolder home;
  const struct {
    std::optional<std::string> configHome;
    std::string expected;
  } cases[] = {
      {home.File("xdg"), home.File("xdg/Tarnwick/vantorel/config.ini")},
      {" " + home.File("xdg2") + "/ ", home.File("xdg2/Tarnwick/vantorel/config.ini")},
      {std::nullopt, home.File(".config/Tarnwick/vantorel/config.ini")},
      {"", home.File(".config/Tarnwick/vantorel/config.ini")},
      {"relative/path", home.File(".config/Tarnwick/vantorel/config.ini")},  // ignored, as XDG says
  };
  const ScopedVariable homeVariable("HOME", home.Path());
  for (const auto& c : cases) {
    const ScopedVariable configHome("XDG_CONFIG_HOME", c.configHome);
    EXPECT_EQ(ConfigPath(), c.expected);
    EXPECT_TRUE(FileExists(c.expected.substr(0, c.expected.size() - 10))) << c.expected;
  }
  EXPECT_EQ(AppDataFolder("Maker", "Program"), home.File(".config/Maker/Program/"));
}

TEST(ConfigLocation, AFolderThatCannotBeMadeMeansDefaultsAndASilentlyLostSave) {
  ScratchFolder home;
  WriteBytes(home.File("plain-file"), {'x'});
  const ScopedVariable configHome("XDG_CONFIG_HOME", home.File("plain-file/config"));
  const std::string path = ConfigPath();
  EXPECT_EQ(path, home.File("plain-file/config/Tarnwick/vantorel/config.ini"));
  ResetSettings(DefaultSet::Console);
  LoadConfiguration(path);
  EXPECT_EQ(settings.keepAspectRatio, 1);  // the window default
  EXPECT_EQ(settings.cfg, 17);
  EXPECT_FALSE(SaveConfiguration(path));
  EXPECT_EQ(ReadBytes(home.File("plain-file")), std::vector<uint8_t>{'x'});
}
