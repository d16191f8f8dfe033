// Placing the toolbar host and the tree inside the main window.
#pragma once

// The toolbar host at the top (182 x 29), the tree below it over the rest of the client
// area, less room for an auto-hiding taskbar. Controls that do not exist yet are skipped.
void LayoutChildren();

// WM_SIZE: follows the bar width once the list is loaded, then lays out the children.
void OnSize();
