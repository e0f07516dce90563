#include "gui/window_mode.h"

#include "app/config_path.h"
#include "app/window_state.h"
#include "gui/desktop_size.h"
#include "gui/main_window.h"
#include "gui/termination_signal.h"
#include "platform/instance_lock.h"
#include "settings/config_file.h"
#include "settings/settings.h"
#include "settings/settings_table.h"

#include <QApplication>

int RunWindowMode(int& argc, char** argv) {
  QApplication application(argc, argv);
  SetDesktopSizeProvider(PrimaryDesktopSize);
  const std::string configPath = ConfigPath();
  LoadConfiguration(configPath);
  ResetJob();

  MainWindow window;
  const TerminationSignal terminate([&window] { window.close(); });
  window.Prepare();
  QApplication::exec();

  StoreSettingsAtExit(window.ShowState(), window.Frame());
  SaveConfiguration(configPath);  // a failed save is silent: there is no one left to tell
  ReleaseInstanceLock();
  SetDesktopSizeProvider(nullptr);
  return 0;
}
