#pragma once

// The texts of the three help screens, and who made this build: the maker's
// name and addresses are set when the build is configured (HALVO_MAKER,
// HALVO_WEB_ADDRESS, HALVO_SUPPORT_ADDRESS), so a packager's own reach
// every screen that names them.

#include "platform/ui/painting.h"

#include <span>
#include <string>

namespace halvo
{

extern const char* const kProgramVersion; // this build's version, "0.1.0"
extern const char* const kMakerName;
extern const char* const kMakerWebAddress;
extern const char* const kMakerSupportAddress;

// The scrolling text of Help, in one piece.
std::string HelpText();

// The twelve painted lines of Instructions, top to bottom.
std::span<const PaintedText> InstructionsLines();

// The four painted lines of About.
std::span<const PaintedText> AboutLines();

} // namespace halvo
