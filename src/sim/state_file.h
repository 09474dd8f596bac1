#pragma once

// The simulator's settings kept in a file between runs: the settings block,
// byte for byte, as the controller would send it.

#include <optional>
#include <string>

#include "sim/controller_model.h"

namespace qavi::sim {

// Loads the file into the model. Returns a message for the user when the file
// could not be used (the model then keeps its defaults and the file is renamed
// to FILE.bad so that nothing is lost); nullopt when loaded.
// A missing file is not an error: the first run creates it.
std::optional<std::string> loadState(const std::string& path, ControllerModel& model);

// Writes the model's settings (to a temporary file first, then renamed, so a
// crash never leaves half a file). Returns a message on failure.
std::optional<std::string> saveState(const std::string& path, const ControllerModel& model);

}  // namespace qavi::sim
