// What the library's views import from the host's toolbox library DigiExt.dll for drawing and for reading the mouse:
// graphics ports with an origin, a clip region and pen and text state; colours, lines, rectangles and ovals; back
// patterns; pictures; text in the port's font; the host's text-edit records; invalidation of window areas. The names
// avoid the Windows GDI functions of the same roles so both can meet in one translation unit. DigiExt.def gives the
// ordinals (600 onwards, ours). Every call runs on the host's GUI thread and draws into the current port.
#pragma once

#include "rtas/framework/host/HostCall.h"
#include "rtas/framework/host/PlugInRecords.h"

extern "C" {

struct RGBColour
{
    uint16_t red;
    uint16_t green;
    uint16_t blue;
};

struct HostRegion;
struct HostPattern;
struct HostPicture;
struct HostTextEdit;

struct HostFontMetrics
{
    int16_t ascent;
    int16_t descent;
    int16_t leading;
};

// ---- Ports ----

OpaqueGrafPtr QOR_HOST_CALL GetGrafPort(void);
void QOR_HOST_CALL SetGrafPort(OpaqueGrafPtr port);
// The origin (the local coordinate of the port's top-left pixel) of any port, and of the current one.
void QOR_HOST_CALL GetPortOrigin(OpaqueGrafPtr port, Point* origin);
void QOR_HOST_CALL SetPortOrigin(int16_t h, int16_t v);
// Local coordinates of the current port to the screen's and back.
void QOR_HOST_CALL PortLocalToGlobal(Point* point);
void QOR_HOST_CALL PortGlobalToLocal(Point* point);
// Marks a rectangle (local coordinates of port) as needing an update.
void QOR_HOST_CALL InvalPortRect(OpaqueGrafPtr port, const Rect* rect);

// ---- Regions and clipping (of the current port) ----

HostRegion* QOR_HOST_CALL NewRegion(void);
void QOR_HOST_CALL DisposeRegion(HostRegion* region);
void QOR_HOST_CALL RectRegion(HostRegion* region, const Rect* rect);
// destination = a minus b.
void QOR_HOST_CALL DiffRegion(HostRegion* a, HostRegion* b, HostRegion* destination);
void QOR_HOST_CALL GetClipRegion(HostRegion* region);
void QOR_HOST_CALL SetClipRegion(HostRegion* region);
void QOR_HOST_CALL ClipToRect(const Rect* rect);

// ---- Pen, text and colour state ----

void QOR_HOST_CALL SetPenMode(int16_t mode);
void QOR_HOST_CALL SetPenSize(int16_t width, int16_t height);
void QOR_HOST_CALL SetTextMode(int16_t mode);
void QOR_HOST_CALL SetTextFont(int16_t font);
void QOR_HOST_CALL SetTextSize(int16_t size);
void QOR_HOST_CALL SetTextFace(int16_t face);
// Any output may be null.
void QOR_HOST_CALL GetTextState(int16_t* font, int16_t* size, int16_t* face, int16_t* mode);
void QOR_HOST_CALL SetForeColour(const RGBColour* colour);
void QOR_HOST_CALL SetBackColour(const RGBColour* colour);
void QOR_HOST_CALL GetForeColour(RGBColour* colour);
void QOR_HOST_CALL GetBackColour(RGBColour* colour);

// ---- Lines and shapes: lines in the fore colour, erasing in the back pattern or else the back colour ----

void QOR_HOST_CALL PenMoveTo(int16_t h, int16_t v);
void QOR_HOST_CALL PenLineTo(int16_t h, int16_t v);
void QOR_HOST_CALL PenMove(int16_t dh, int16_t dv);
void QOR_HOST_CALL PenLine(int16_t dh, int16_t dv);
void QOR_HOST_CALL FillRectangle(const Rect* rect);
void QOR_HOST_CALL EraseRectangle(const Rect* rect);
void QOR_HOST_CALL FrameRectangle(const Rect* rect);
void QOR_HOST_CALL EraseOvalIn(const Rect* rect);
void QOR_HOST_CALL FrameOvalIn(const Rect* rect);

// ---- Back patterns: the pattern resource 'ppat' of the current resource file ----

HostPattern* QOR_HOST_CALL LoadPatternResource(int16_t id);
void QOR_HOST_CALL DisposePattern(HostPattern* pattern);
// Null sets the plain back (the back colour).
void QOR_HOST_CALL SetBackPattern(HostPattern* pattern);
HostPattern* QOR_HOST_CALL GetBackPattern(void);

// ---- Pictures: the picture resource 'PICT' of the current resource file ----

HostPicture* QOR_HOST_CALL LoadPictureResource(int16_t id);
void QOR_HOST_CALL DisposePicture(HostPicture* picture);
// Scaled into rect.
void QOR_HOST_CALL DrawPictureIn(HostPicture* picture, const Rect* rect);

// ---- Text in the current font, at the pen ----

void QOR_HOST_CALL GetFontMetrics(HostFontMetrics* metrics);
int16_t QOR_HOST_CALL TextRunWidth(const char* text, int16_t length);
void QOR_HOST_CALL DrawTextRun(const char* text, int16_t length);
// The whole text wrapped inside rect; justification -2 or 0 left, -1 right, 1 centred.
void QOR_HOST_CALL DrawTextBox(const char* text, int32_t length, const Rect* rect, int16_t justification);

// ---- Mouse ----

// Non-zero while the mouse button is held.
uint8_t QOR_HOST_CALL MouseStillDown(void);
// The mouse in the current port's local coordinates.
void QOR_HOST_CALL GetMousePoint(Point* point);

// ---- Text-edit records: one line of editable text with a selection ----

HostTextEdit* QOR_HOST_CALL NewTextEdit(const Rect* rect);
void QOR_HOST_CALL DisposeTextEdit(HostTextEdit* edit);
void QOR_HOST_CALL TextEditSetText(HostTextEdit* edit, const char* text, int32_t length);
// Copies at most capacity characters; answers the text's full length.
int32_t QOR_HOST_CALL TextEditGetText(HostTextEdit* edit, char* text, int32_t capacity);
void QOR_HOST_CALL TextEditSelectAll(HostTextEdit* edit);
// Replaces the selection with the character (8 deletes it, or the character before the caret).
void QOR_HOST_CALL TextEditKey(HostTextEdit* edit, char character);
// A click: places the caret, or extends the selection.
void QOR_HOST_CALL TextEditClick(HostTextEdit* edit, Point point, uint8_t extend);
void QOR_HOST_CALL TextEditActivate(HostTextEdit* edit, uint8_t active);
void QOR_HOST_CALL TextEditIdle(HostTextEdit* edit);
void QOR_HOST_CALL TextEditUpdate(HostTextEdit* edit, const Rect* rect);

}  // extern "C"
