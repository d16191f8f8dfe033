// Placing the toolbar host and the tree inside the main window.
#pragma once

// The toolbar host at the top (182 x 29), the tree below it over the rest of the client
// area, less room for an auto-hiding taskbar. Controls that do not exist yet are skipped.
void LayoutChildren();

// WM_SIZE: follows the bar width once the list is loaded, lays out the children and places a
// docked bar again. Nothing of this while the bar is hidden; during a move only the layout.
void OnSize();
