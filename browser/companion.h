// The hand-off of the selected URL to the companion program, whose window has the class
// "DRAVLON": the URL goes on the system clipboard, then WM_URLREADY tells the companion.
#pragma once
#include <windows.h>

// WM_SENDURL, and each tick of its retry timer (IDT_SENDURL). Without a companion window the
// request waits on that timer until one exists; then exactly one hand-off takes place, of the
// entry selected at that moment.
void OnSendUrl(HWND hwnd);
