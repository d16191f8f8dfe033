// Undo and redo of the changes this run's commands made to the bookmark list.
#pragma once

// While one is alive, every change to the bookmark list belongs to one step of the history;
// steps made inside another (a dialog's message loop) join it.
class HistoryStep {
public:
    HistoryStep();
    ~HistoryStep();
    HistoryStep(const HistoryStep&) = delete;
    HistoryStep& operator=(const HistoryStep&) = delete;
};

// Take back the newest step, or make again the newest one taken back; the tree shows the list
// after it, with the caret on the line it touched. Nothing to do: nothing happens.
void OnUndo();
void OnRedo();
