#pragma once

#include "cli/CliSupport.h"

namespace tarnix::cli
{

int RunInfo(const CliArgs& args, std::ostream& out, std::ostream& err);
int RunPreview(const CliArgs& args, std::ostream& out, std::ostream& err);
int RunRender(const CliArgs& args, std::ostream& out, std::ostream& err);

} // namespace tarnix::cli
