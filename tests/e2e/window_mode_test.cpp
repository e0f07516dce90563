// The built program in window mode on a real X server: it opens its window where the settings say,
// and a termination request, as a desktop sends at log-out, ends it the orderly way: config.ini saved.
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace {

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;

struct Session {
  std::string position;  // "X,Y" of the window as the X server has it
  std::string size;      // "WIDTHxHEIGHT"
  std::string exit;      // the program's exit status
  std::string log;
};

std::string Match(const std::string& text, const char* pattern) {
  std::smatch found;
  return std::regex_search(text, found, std::regex(pattern)) ? found[1].str() : "";
}

// Starts an X server of its own (the server picks a free display, so parallel tests never collide),
// starts the program without parameters, waits until its window is mapped, reads the window's
// geometry from the server, then sends SIGTERM and waits for the program to end.
Session RunWindowSession(const ScratchFolder& home) {
  ScratchFolder runtime;
  const std::string script = runtime.File("session.sh");
  const std::string text =
      "unset QT_QPA_PLATFORM\n"
      "export XDG_CONFIG_HOME=" + Quote(home.File("config")) + " XDG_RUNTIME_DIR=" + Quote(runtime.Path()) + "\n" +
      "mkfifo \"$XDG_RUNTIME_DIR/display\"\n"
      "Xvfb -displayfd 3 -nolisten tcp -screen 0 " + std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) +
      "x24 3>\"$XDG_RUNTIME_DIR/display\" & server=$!\n"
      "read display < \"$XDG_RUNTIME_DIR/display\"\n"
      "export DISPLAY=\":$display\"\n" +
      Quote(VANTOREL_EXE) + " & pid=$!\n"
      // The limit only keeps a broken start from hanging the suite.
      "id=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tarnwick 2\\.5$' | head -n 1)\n"
      "[ -n \"$id\" ] && xdotool getwindowgeometry \"$id\"\n"
      "kill -TERM $pid\n"
      "wait $pid\n"
      "echo \"exit=$?\"\n"
      "kill $server\n"
      "wait $server\n";
  WriteBytes(script, {text.begin(), text.end()});
  Session session;
  RunCommand("bash " + Quote(script), &session.log);
  session.position = Match(session.log, R"(Position: (-?\d+,-?\d+))");
  session.size = Match(session.log, R"(Geometry: (\d+x\d+))");
  session.exit = Match(session.log, R"(exit=(\d+))");
  return session;
}

std::string ConfigText(const ScratchFolder& home) {
  const std::vector<uint8_t> bytes = ReadBytes(home.File("config/Tarnwick/vantorel/config.ini"));
  return {bytes.begin(), bytes.end()};
}

void WriteConfig(const ScratchFolder& home, const std::string& text) {
  ASSERT_EQ(RunCommand("mkdir -p " + Quote(home.File("config/Tarnwick/vantorel"))), 0);
  WriteBytes(home.File("config/Tarnwick/vantorel/config.ini"), {text.begin(), text.end()});
}

}  // namespace

TEST(WindowMode, AFirstStartOpensCentredAndTheEndSavesTheConfiguration) {
  ScratchFolder home;
  const Session session = RunWindowSession(home);
  const std::string x = std::to_string((kScreenWidth - 510) / 2), y = std::to_string((kScreenHeight - 330) / 2);
  EXPECT_EQ(session.position, x + "," + y) << session.log;
  EXPECT_EQ(session.size, "510x330") << session.log;
  EXPECT_EQ(session.exit, "0") << session.log;

  const std::string config = ConfigText(home);
  EXPECT_TRUE(config.starts_with("\xEF\xBB\xBF\r\n[General]\r\nCFG = 17\r\n")) << config;
  EXPECT_NE(config.find("[Window]\r\nIsMaximized = 0\r\nWidth = 510\r\nHeight = 330\r\nX = " + x + "\r\nY = " + y + "\r\n; \r\n"),
            std::string::npos)
      << config;
  EXPECT_TRUE(config.ends_with("[Privacy]\r\nClean Recent Files = 0\r\n; \r\n"));
  EXPECT_EQ(ListFolder(home.File("config/Tarnwick/vantorel")), std::vector<std::string>{"config.ini"});
}

TEST(WindowMode, AStoredSizeBelowTheMinimumOpensAtTheMinimum) {
  ScratchFolder home;
  WriteConfig(home, "[Window]\r\nX = 20\r\nY = 30\r\nWidth = 300\r\nHeight = 200\r\n[Advanced]\r\nOut Folders History = 0\r\n"
                    "[File]\r\nRecent Out Folders = /a\t/b\r\n");
  const Session session = RunWindowSession(home);
  EXPECT_EQ(session.position, "20,30") << session.log;
  EXPECT_EQ(session.size, "510x330") << session.log;
  EXPECT_EQ(session.exit, "0") << session.log;
  const std::string config = ConfigText(home);
  EXPECT_NE(config.find("Width = 510\r\nHeight = 330\r\nX = 20\r\nY = 30\r\n"), std::string::npos) << config;
  EXPECT_NE(config.find("[File]\r\nRecent Out Folders = \r\n"), std::string::npos) << config;  // no history kept
}

TEST(WindowMode, WithoutSaveWindowPositionTheNextStartOpensAtItsFileDefaults) {
  ScratchFolder home;
  WriteConfig(home, "[General]\r\nSave Window Position = 0\r\n[Window]\r\nX = 40\r\nY = 50\r\nWidth = 700\r\nHeight = 600\r\n");
  const Session first = RunWindowSession(home);
  EXPECT_EQ(first.position, "40,50") << first.log;
  EXPECT_EQ(first.size, "700x600") << first.log;
  EXPECT_NE(ConfigText(home).find("[Window]\r\n; \r\n"), std::string::npos);

  const Session second = RunWindowSession(home);
  EXPECT_EQ(second.position, "100,100") << second.log;
  EXPECT_EQ(second.size, "510x330") << second.log;
  EXPECT_EQ(second.exit, "0") << second.log;
}

TEST(WindowMode, ASettingsFolderThatCannotBeMadeStillGivesAWindowAndAQuietEnd) {
  ScratchFolder home;
  WriteBytes(home.File("config"), {'x'});  // the config home is a plain file
  const Session session = RunWindowSession(home);
  EXPECT_EQ(session.size, "510x330") << session.log;
  EXPECT_EQ(session.exit, "0") << session.log;
  EXPECT_EQ(ReadBytes(home.File("config")), std::vector<uint8_t>{'x'});
}
