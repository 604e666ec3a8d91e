#pragma once

class QKeyEvent;

// The keys that open a context menu from the keyboard: Menu, or Shift+F10. With any other
// modifier the key is left to whatever else binds it.
bool opensContextMenu(const QKeyEvent& key);
