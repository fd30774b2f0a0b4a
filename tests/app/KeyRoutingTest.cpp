// Who a contested key belongs to: the focused widget or the window's command.
#include <gtest/gtest.h>

#include "app/KeyRouting.h"

namespace sj {
namespace {

using Focus = KeyRouting::Focus;
using Key = KeyRouting::Key;
using Owner = KeyRouting::Owner;

KeyRouting::Press press(Key key, bool ctrl = false, bool shift = false, bool alt = false) {
    return {key, ctrl, shift, alt};
}

TEST(KeyRoutingTest, TheClipListKeepsItsEditingKeysAndLeavesTheRestToTheWindow) {
    for (Key k : {Key::C, Key::V, Key::X})
        EXPECT_EQ(KeyRouting::owner(Focus::ClipList, press(k, true), true), Owner::FocusedWidget);
    for (Key k : {Key::Delete, Key::Insert, Key::Enter, Key::Escape})
        EXPECT_EQ(KeyRouting::owner(Focus::ClipList, press(k), true), Owner::FocusedWidget);
    // Other combinations stay window commands: Paste New, Shift+Ins, Select All, F2.
    EXPECT_EQ(KeyRouting::owner(Focus::ClipList, press(Key::V, true, true), true), Owner::Unclaimed);
    EXPECT_EQ(KeyRouting::owner(Focus::ClipList, press(Key::Insert, false, true), true), Owner::Unclaimed);
    EXPECT_EQ(KeyRouting::owner(Focus::ClipList, press(Key::A, true), true), Owner::Unclaimed);
    EXPECT_EQ(KeyRouting::owner(Focus::ClipList, press(Key::Function), true), Owner::Unclaimed);
    EXPECT_EQ(KeyRouting::owner(Focus::ClipList, press(Key::C, true, false, true), true), Owner::Unclaimed);
}

TEST(KeyRoutingTest, TheEditorYieldsItsOwnKeyMapToWindowCommands) {
    EXPECT_EQ(KeyRouting::owner(Focus::Editor, press(Key::Other, true), true), Owner::WindowCommand);
    EXPECT_EQ(KeyRouting::owner(Focus::Editor, press(Key::Other, false, false, true), true),
              Owner::WindowCommand);
    EXPECT_EQ(KeyRouting::owner(Focus::Editor, press(Key::Function), true), Owner::WindowCommand);
    EXPECT_EQ(KeyRouting::owner(Focus::Editor, press(Key::C, true), true), Owner::WindowCommand);
    // Unbound keys and typing keys are the editor's.
    EXPECT_EQ(KeyRouting::owner(Focus::Editor, press(Key::Other, true), false), Owner::Unclaimed);
    EXPECT_EQ(KeyRouting::owner(Focus::Editor, press(Key::Delete), true), Owner::Unclaimed);
    EXPECT_EQ(KeyRouting::owner(Focus::Editor, press(Key::Enter), true), Owner::Unclaimed);
}

TEST(KeyRoutingTest, TextFieldsKeepTheStandardEditingKeys) {
    for (Key k : {Key::A, Key::C, Key::V, Key::X, Key::Z})
        EXPECT_EQ(KeyRouting::owner(Focus::TextField, press(k, true), true), Owner::FocusedWidget);
    EXPECT_EQ(KeyRouting::owner(Focus::TextField, press(Key::Delete), true), Owner::FocusedWidget);
    EXPECT_EQ(KeyRouting::owner(Focus::TextField, press(Key::Insert, false, true), true),
              Owner::FocusedWidget);
    EXPECT_EQ(KeyRouting::owner(Focus::TextField, press(Key::Insert, true), true), Owner::FocusedWidget);
    EXPECT_EQ(KeyRouting::owner(Focus::TextField, press(Key::Function), true), Owner::Unclaimed);
    EXPECT_EQ(KeyRouting::owner(Focus::TextField, press(Key::Other, true), true), Owner::Unclaimed);
    EXPECT_EQ(KeyRouting::owner(Focus::Other, press(Key::C, true), true), Owner::Unclaimed);
}

}  // namespace
}  // namespace sj
