#pragma once

#include "framework/Application.h"

namespace app::FileTypes {

// The two file types the program announces at start. Nothing opens or saves files with them;
// they are kept for the framework's file-type table.
extern framework::FileType pText;
extern framework::FileType pUntitledType;

void Announce();

}  // namespace app::FileTypes
