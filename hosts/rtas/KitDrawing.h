// How a test steers the stand-in host's drawing and mouse services and reads what they drew. The kit's own exports
// (plain C names) from DigiExt.dll, beside the drawing services a plug-in imports. GUI thread.
#pragma once

#include "hosts/rtas/KitExport.h"
#include "rtas/framework/host/PlugInRecords.h"

#include <cstdint>

extern "C" {

// A port of width x height pixels, all white, origin (0, 0), clip wide open, black on white, font 0 size 12.
QOR_KIT_EXPORT OpaqueGrafPtr QorKitNewDrawingPort(int32_t width, int32_t height);
QOR_KIT_EXPORT void QorKitDisposeDrawingPort(OpaqueGrafPtr port);
// The pixel at (h, v) counted from the port's top-left pixel, as 0xRRGGBB (the high byte of each component); -1
// outside the port.
QOR_KIT_EXPORT int32_t QorKitPixel(OpaqueGrafPtr port, int32_t h, int32_t v);
// Writes the port's pixels as a binary PPM image (for looking at a failed test); non-zero on success.
QOR_KIT_EXPORT int32_t QorKitWritePortImage(OpaqueGrafPtr port, const char* path);

// The mouse the views read: each GetMousePoint takes the next scripted position (the last one stays), and
// MouseStillDown answers the button state of the position next in line (up when none is left).
QOR_KIT_EXPORT void QorKitPushMouse(int16_t h, int16_t v, int32_t down);
QOR_KIT_EXPORT void QorKitClearMouse(void);
QOR_KIT_EXPORT int32_t QorKitMousePositionsLeft(void);

// Rectangles marked for update by InvalPortRect since the last clear.
QOR_KIT_EXPORT int32_t QorKitInvalidations(void);
QOR_KIT_EXPORT void QorKitClearInvalidations(void);

// Drawing objects made and not disposed of: regions, patterns, pictures, text-edit records.
QOR_KIT_EXPORT int32_t QorKitLiveDrawingObjects(void);

}  // extern "C"

extern "C" {

// The port the last pop-up menu was drawn into (the screen's size; kept until the next pop-up), or null.
QOR_KIT_EXPORT OpaqueGrafPtr QorKitLastMenuPort(void);
// The one screen of this host, in global coordinates (0, 0, 480, 640 at first).
QOR_KIT_EXPORT void QorKitSetScreen(int16_t top, int16_t left, int16_t bottom, int16_t right);
// Host controls and menus made and not disposed of.
QOR_KIT_EXPORT int32_t QorKitLiveControls(void);

}  // extern "C"
