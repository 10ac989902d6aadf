#pragma once
// The toolbar's file commands: read a ladder, write it, clear it; and the
// work folder where the file dialog starts.

#include <QString>

namespace tamberlo {

void CommandLezen();
void CommandSchrijven();
void CommandWissen();

// Makes sure the work folder (home folder + "/Tamberlo") exists and makes it
// the file dialog's starting folder. When it cannot be created, says so and
// starts the dialog in the home folder.
void SetPad();
// True when a folder of that name exists.
bool MapBestaat(const QString& path);

// The refusal shown by commands that change the ladder while a run is on or paused.
QString TextProgramRunning();

}  // namespace tamberlo
