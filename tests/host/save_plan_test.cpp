// Where the settings are read at start, and which save runs and which failure is told, over the
// ways a session ends.
#include "settings/SavePlan.h"

#include <gtest/gtest.h>

#include <vector>

namespace huex {
namespace {

TEST(SavePlan, StartReadsWhereTheLastSaveWent) {
    EXPECT_EQ(placeToRead(true, false), SettingsPlace::besideProgram);
    EXPECT_EQ(placeToRead(true, true), SettingsPlace::besideProgram);   // a portable copy stays portable
    EXPECT_EQ(placeToRead(false, true), SettingsPlace::userFolder);     // a save fell back there
    EXPECT_EQ(placeToRead(false, false), SettingsPlace::besideProgram); // read only
}

// Each row is a session's saves in order, every one of them failing; the saves that run and the
// messages shown.
TEST(SavePlan, AtMostOneMessagePerExitAndNoneWhileTheSessionEnds) {
    using M = SaveMoment;
    const struct {
        const char* session;
        std::vector<M> moments;
        std::vector<bool> ran, told;
    } cases[] = {
        {"Exit", {M::exitCommand, M::windowDestroyed}, {true, false}, {true, false}},
        {"closed some other way", {M::windowDestroyed}, {true}, {true}},
        {"log-off", {M::sessionEnding, M::windowDestroyed}, {true, true}, {false, false}},
        {"log-off asked twice", {M::sessionEnding, M::sessionEnding}, {true, true}, {false, false}},
        {"Exit after a log-off was asked about",
         {M::sessionEnding, M::exitCommand},
         {true, true},
         {false, false}},
    };
    for (const auto& c : cases) {
        SaveHistory history;
        std::vector<bool> ran, told;
        for (const M moment : c.moments) {
            const SaveTurn turn = saveTurn(moment, history);
            ran.push_back(turn.save);
            told.push_back(turn.tellFailure);
            history = afterSave(history, moment, turn.tellFailure);
        }
        EXPECT_EQ(ran, c.ran) << c.session;
        EXPECT_EQ(told, c.told) << c.session;
    }
    // A log-off another program cancelled: the session goes on, and its Exit tells again.
    SaveHistory cancelled = afterSave({}, M::sessionEnding, false);
    cancelled.sessionEnding = false;
    EXPECT_TRUE(saveTurn(M::exitCommand, cancelled).tellFailure);
}

} // namespace
} // namespace huex
