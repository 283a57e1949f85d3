// A message shown to the user (a message box on Windows; the standard error stream where there is no desktop service).
//
// Test hook: when the environment names a file in QOR_MESSAGE_LOG, each message is appended to that file as one line
// "title<TAB>text" instead of being shown. Tests that load a plug-in by path cannot reach the plug-in's own copy of
// this layer, and a real message box would wait for a click that never comes.
#pragma once

namespace platform {

// `ownerWindow` (may be null) is the window the message belongs to: on Windows the box is modal to it and stays
// over it, instead of standing alone on the desktop. Thread of the caller's window.
void showMessage(const char* title, const char* text, void* ownerWindow = nullptr);

// Appends the message to the QOR_MESSAGE_LOG file and answers true when that hook is set; false otherwise.
bool logMessageForTests(const char* title, const char* text);

// Tests see messages instead of a box waiting for a click: while a hook is set, showMessage only calls it.
using MessageHook = void (*)(const char* title, const char* text);
void setMessageHook(MessageHook hook);

}  // namespace platform
