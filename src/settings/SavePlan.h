#pragma once
// Where the settings and image files are read and written, and when a save runs and tells of its
// failure. The files live beside the program while its folder can be written, so a portable copy
// stays portable; where it cannot (a copy in a system folder or on a read-only share), the
// user's own folder takes them.
namespace huex {

enum class SettingsPlace { besideProgram, userFolder };

// The files read at start: beside the program when its folder can be written, else those in the
// user's folder when there are any (a save fell back there), else those beside the program,
// read only.
SettingsPlace placeToRead(bool programFolderWritable, bool userFilesExist);

// The moments a save runs at: the Exit command, the window's destruction (which also follows any
// other way of closing it) and the system's question whether the session may end.
// `timed`: a save a timer runs so that changes need not wait for the exit; its failure is not told.
enum class SaveMoment { exitCommand, windowDestroyed, sessionEnding, timed };

struct SaveHistory {
    bool exitTried = false;     // the Exit command saved, or tried to
    bool told = false;          // a failed save has been told
    bool sessionEnding = false; // the session is ending: nobody is there to read a message
};

struct SaveTurn {
    bool save = false;
    bool tellFailure = false; // when nothing could be written
};

// At most one message per exit, none while the session ends; a save the Exit command made (or
// failed to make) is not tried again while the window is destroyed.
SaveTurn saveTurn(SaveMoment moment, const SaveHistory& history);
// The history after a save at that moment, told or not.
SaveHistory afterSave(SaveHistory history, SaveMoment moment, bool told);

} // namespace huex
