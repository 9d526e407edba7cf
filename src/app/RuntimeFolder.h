#pragma once

namespace tarnix
{

// On Linux without XDG_RUNTIME_DIR (a root shell, a container, su without a login session) Qt falls back to
// its own runtime folder and warns about it on every start. Setting up that same private folder before Qt
// starts keeps the fallback and drops the warning; a folder that is not ours and private is left for Qt to
// refuse. Does nothing elsewhere or when the variable is set.
void PrepareRuntimeFolder();

} // namespace tarnix
