#pragma once

// The text editing that the framework does for the focused field, by menu item name. Never
// included outside framework/.

#include <string_view>

namespace framework {

enum class EditCommand { None, Undo, Cut, Copy, Paste, Clear };

// The command behind an item name; None for items that are not the framework's editing.
EditCommand EditCommandOf(std::string_view itemName);
// Whether the command has something to work on: a selection, the clipboard, a picture, or
// (Copy with nothing selected) what the front window says it copies.
bool EditCommandEnabled(EditCommand command);
void RunEditCommand(EditCommand command);
// From the first menu bar on, the commands need to know where the focus was before the menus.
void WatchFocusBeforeMenus();

}  // namespace framework
