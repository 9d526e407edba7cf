#pragma once

// The templates of the core's messages that the windows show translated (see CoreMessages.h), and the
// names of things the core puts into its messages ("the front picture", "jersey 1st"), translated as values.

#include <span>

namespace tarnix
{

inline constexpr const char* kCoreMessageContext = "tarnix::CoreMessage";

std::span<const char* const> CoreMessageTemplates();

} // namespace tarnix
