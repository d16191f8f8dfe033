// Docking: the main window as a desktop bar at the left or right screen edge, hiding to a
// strip under auto-hide, or floating as a tool window; and the moves that switch between them.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include "core/bar_geometry.h"

// State of the bar, one for the life of the program.
struct Dock {
    APPBARDATA barData{};       // every desktop-bar request goes through this one record
    Taskbar taskbar;            // measured when the bar is set up for auto-hide; none before, or when the query fails
    BarRect shownRect;          // the auto-hide bar's window rectangle when shown
    BarRect hiddenRect;         // the strip it hides to; all 0 until first computed
    bool barHidden = false;
    int32_t outsideTicks = 0;   // ticks with the pointer outside shownRect since it was last over the window
    bool hideAtOnce = true;     // the first tick outside hides at once, later ones wait for a second
    bool moving = false;        // between the first WM_MOVING of a move and its end; never in a click or a resize
    DragGrip dragGrip;          // taken when a move starts
    BarRect floatRect;          // the floating rectangle SaveFloatRect stores
    bool placing = false;       // inside PositionBar's requests to the service
};

extern Dock g_dock;

// Sets the docked bar up by HideMode (registered with the desktop-bar service when 0, else
// only measured) and places it.
void RegisterBar();

// Removes the bar from the desktop-bar service when HideMode is 0; nothing otherwise.
void UnregisterBar();

// Places the docked bar at `edge` (AppBarMode) with `width`, shown.
void PositionBar(DWORD edge, DWORD width);

// The docked form: no caption, system menu, sizing frame kept; registered and placed.
void EnterDockedStyle();

// The floating form: the style as created, the stored floating rectangle, unregistered.
void EnterFloatingStyle();


// Starts (or restarts) timer 1 with HideTime, never below the platform's shortest period.
void StartHideTimer(HWND hwnd);

// Whether the bar stands as its hidden strip: its size then says nothing about the bar.
bool IsBarHidden();

// Whether a move (not a resize) is under way: the window takes drag shapes, not bar sizes.
bool IsMoveInProgress();

// Timer 1: hides the docked bar once the pointer has left it; shows it when the pointer
// touches the screen edge of the hidden strip.
void OnHideTimer(HWND hwnd);

// WM_SETCURSOR: the pointer is over the window, so a hidden bar comes back. Always 0.
LRESULT OnDockSetCursor(HWND hwnd);

// The move and size loop.
void OnEnterSizeMove(HWND hwnd);
void OnMoving(RECT* proposed);
void OnExitSizeMove(HWND hwnd);

// WM_DISPLAYCHANGE and WM_SETTINGCHANGE for the work area: measures the taskbar again (under
// auto-hide) and places a docked bar again; a floating window that can no longer be taken
// hold of comes back as at start-up. The bar's own placing, which may change the work area, is
// not a change of the screen.
void OnScreenChange();

// WM_APPBARNOTIFY: the service asks the bar to place itself again.
void OnAppBarNotify(WPARAM code);

// IDM_SWITCHEDGE and IDM_REDOCK.
void OnSwitchEdge();
void OnRedock();
