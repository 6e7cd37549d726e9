// The single-instance frame: the named mutex is held for the run and released on every way out.
#include "app/PickerApp.h"
#include "app/SingleInstance.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

namespace huex {
namespace {

// Whether another start would find the mutex taken.
bool mutexHeld() {
    HANDLE probe = CreateMutexW(nullptr, FALSE, instanceMutexName);
    const bool held = probe != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    if (probe) CloseHandle(probe);
    return held;
}

TEST(SingleInstance, MutexIsHeldDuringTheRunAndReleasedAfterIt) {
    ASSERT_FALSE(mutexHeld());
    bool heldInside = false;
    EXPECT_TRUE(PickerApp::runAsFirstCopy([&] { heldInside = mutexHeld(); }));
    EXPECT_TRUE(heldInside);
    EXPECT_FALSE(mutexHeld());
}

TEST(SingleInstance, ExceptionOutOfTheRunStillReleasesTheMutex) {
    EXPECT_THROW(PickerApp::runAsFirstCopy([] { throw std::runtime_error("modal run failed"); }),
                 std::runtime_error);
    EXPECT_FALSE(mutexHeld());
}

TEST(SingleInstance, SecondCopyDoesNotRun) {
    bool nestedRan = false;
    EXPECT_TRUE(PickerApp::runAsFirstCopy(
        [&] { EXPECT_FALSE(PickerApp::runAsFirstCopy([&] { nestedRan = true; })); }));
    EXPECT_FALSE(nestedRan);
    EXPECT_FALSE(mutexHeld());
}

TEST(SingleInstance, WindowWithOurCaptionButNoMarkerIsNotTakenForTheRunningCopy) {
    HWND impostor = CreateWindowExW(0, L"STATIC", L"HUEX", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr,
                                    nullptr, nullptr, nullptr);
    ASSERT_NE(impostor, nullptr);
    EXPECT_FALSE(activateRunningCopy());
    DestroyWindow(impostor);
}

TEST(SingleInstance, RunningCopyIsFoundByItsMarkerChild) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"anything", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                 nullptr);
    HWND marker = CreateWindowExW(0, L"STATIC", instanceMarkerText, WS_CHILD, 0, 0, 1, 1, owner, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(marker, nullptr);
    EXPECT_TRUE(activateRunningCopy());
    DestroyWindow(owner);
}

} // namespace
} // namespace huex
