#pragma once
#include <string>

// config.ini in folder "vantorel" inside folder "Tarnwick" (the first word of the product name) in
// the user's settings folder; the folders are created when missing.
std::string ConfigPath();
