#pragma once

#include "cli/CliSupport.h"

namespace tarnix::cli
{

int RunLocateGame(const CliArgs& args, std::ostream& out, std::ostream& err);

} // namespace tarnix::cli
