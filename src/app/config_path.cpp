#include "app/config_path.h"

#include "app/program.h"
#include "platform/app_data_folder.h"

std::string ConfigPath() {
  const std::string title = ProgramTitle();
  return AppDataFolder(title.substr(0, title.find(' ')), "vantorel") + "config.ini";
}
