// The commands of lunda-cli; the dispatch table in cli.cpp lists them.
#pragma once

#include "cli/command.h"

namespace lunda::cli {

extern const Command kListCommand;
extern const Command kShowCommand;
extern const Command kImageCommand;
extern const Command kWriteCommand;
extern const Command kDecodeCommand;

}  // namespace lunda::cli
