#include "settings/SavePlan.h"

namespace huex {

SettingsPlace placeToRead(bool programFolderWritable, bool userFilesExist) {
    return !programFolderWritable && userFilesExist ? SettingsPlace::userFolder
                                                    : SettingsPlace::besideProgram;
}

SaveTurn saveTurn(SaveMoment moment, const SaveHistory& history) {
    const bool mayTell = !history.told && !history.sessionEnding && moment != SaveMoment::sessionEnding &&
                         moment != SaveMoment::timed;
    const bool save = moment != SaveMoment::windowDestroyed || !history.exitTried;
    return {save, save && mayTell};
}

SaveHistory afterSave(SaveHistory history, SaveMoment moment, bool told) {
    if (moment == SaveMoment::exitCommand) history.exitTried = true;
    if (moment == SaveMoment::sessionEnding) history.sessionEnding = true;
    history.told = history.told || told;
    return history;
}

} // namespace huex
