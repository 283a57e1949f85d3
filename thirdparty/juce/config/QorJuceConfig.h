// Settings of our JUCE build, seen alike by the library and by every file that includes a JUCE module header
// (qor_juce passes this file's name as JUCE_APP_CONFIG_HEADER). Only the parts the AAX plug-in stands on are built:
// no plug-in hosting, no web browser, no network code, no application object of JUCE's own.
#pragma once

#define JUCE_GLOBAL_MODULE_SETTINGS_INCLUDED 1

#define JUCE_MODULE_AVAILABLE_juce_core 1
#define JUCE_MODULE_AVAILABLE_juce_events 1
#define JUCE_MODULE_AVAILABLE_juce_data_structures 1
#define JUCE_MODULE_AVAILABLE_juce_graphics 1
#define JUCE_MODULE_AVAILABLE_juce_gui_basics 1
#define JUCE_MODULE_AVAILABLE_juce_gui_extra 1
#define JUCE_MODULE_AVAILABLE_juce_audio_basics 1
#define JUCE_MODULE_AVAILABLE_juce_audio_processors 1

#define JUCE_PLUGINHOST_VST 0
#define JUCE_PLUGINHOST_VST3 0
#define JUCE_PLUGINHOST_AU 0
#define JUCE_PLUGINHOST_LADSPA 0
#define JUCE_PLUGINHOST_LV2 0
#define JUCE_PLUGINHOST_ARA 0

#define JUCE_WEB_BROWSER 0
#define JUCE_USE_WIN_WEBVIEW2 0
#define JUCE_USE_CURL 0
#define JUCE_STANDALONE_APPLICATION 0
#define JUCE_DISPLAY_SPLASH_SCREEN 0
#define JUCE_USE_DIRECTWRITE 0

// Debian's package carries no copies of zlib, libpng and libjpeg: the system's (Linux) or our mingw builds of them
// are linked instead.
#define JUCE_INCLUDE_ZLIB_CODE 0
#define JUCE_INCLUDE_PNGLIB_CODE 0
#define JUCE_INCLUDE_JPEGLIB_CODE 0

// On Linux nothing outside our own code pumps JUCE's message thread: the stand-in host runs it for a bounded time
// with MessageManager::runDispatchLoopUntil, which exists only with modal loops. Windows hosts pump ordinary Win32
// messages, so the Windows build keeps JUCE's default.
#if defined(__linux__)
#define JUCE_MODAL_LOOPS_PERMITTED 1
#endif
