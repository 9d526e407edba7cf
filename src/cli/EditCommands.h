#pragma once

#include "cli/CliSupport.h"

namespace tarnix::cli
{

int RunExport(const CliArgs& args, std::ostream& out, std::ostream& err);
int RunCompose(const CliArgs& args, std::ostream& out, std::ostream& err);
int RunSave(const CliArgs& args, std::ostream& out, std::ostream& err);
int RunThumbnail(const CliArgs& args, std::ostream& out, std::ostream& err);

} // namespace tarnix::cli
