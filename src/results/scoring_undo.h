// Taking the last scoring run back.
#pragma once

#include <string>

class FileBatch;

// Keeps, with the batch of the scoring run of period, what takes the run back.
void KeepScoringUndo(const std::string& period, FileBatch& batch);
// UNDOSCORING: the page that asks to confirm the undo.
void ConfirmUndoScoring();
// UNDOSCORINGFINAL: puts back every file of the run that the page names.
void UndoScoring();
