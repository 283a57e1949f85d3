// What the plug-in imports from the host's toolbox library DigiExt.dll: memory handles, resource files, strings,
// the host's counters, its idle call and its windows. DigiExt.dll exports by ordinal only; DigiExt.def gives each
// function's ordinal (number-to-text is 389 and the microsecond counter 6526 in every host; the others are ours).
// Main thread unless said.
#pragma once

#include "rtas/framework/host/HostCall.h"

extern "C" {

// ---- Memory: relocatable blocks reached through a handle (a pointer to the block's current address) ----

using HostHandle = char**;

// A new block of size bytes, or null (MemError tells why). Any thread.
HostHandle QOR_HOST_CALL NewHandle(int32_t size);
void QOR_HOST_CALL DisposeHandle(HostHandle handle);
// While locked the block does not move, so its address may be kept.
void QOR_HOST_CALL HLock(HostHandle handle);
void QOR_HOST_CALL HUnlock(HostHandle handle);
int32_t QOR_HOST_CALL GetHandleSize(HostHandle handle);
// The result of the last memory call: 0, or -108 when no memory could be had, -109 for a bad handle.
int16_t QOR_HOST_CALL MemError(void);

// ---- Resource files: typed, numbered and named resources, stored big-endian ----

// Called once for every resource as it is read from a file, with the resource's type and its bytes, so the plug-in
// can bring the fields it reads into the processor's byte order. Answers non-zero when it did.
using ResourceByteOrderProc = int32_t(QOR_HOST_CALL*)(uint32_t type, void* data, int32_t size);

// Opens the resource file at path (permission 1: read only) and makes it current; its reference number, or -1
// (ResError tells why). byteOrder may be null.
int16_t QOR_HOST_CALL OpenResourceFile(const char* path, int8_t permission, ResourceByteOrderProc byteOrder);
void QOR_HOST_CALL CloseResFile(int16_t refNum);
// The file resource look-ups search (0: none open).
int16_t QOR_HOST_CALL CurResFile(void);
void QOR_HOST_CALL UseResFile(int16_t refNum);
// The result of the last resource call: 0, -193 file not found, -192 resource not found, -39 a damaged file.
int16_t QOR_HOST_CALL ResError(void);
// Look-ups in the current file only. Each answers a handle the resource file keeps (until released or detached),
// or null.
HostHandle QOR_HOST_CALL Get1Resource(uint32_t type, int16_t id);
HostHandle QOR_HOST_CALL Get1NamedResource(uint32_t type, const unsigned char* name);
int16_t QOR_HOST_CALL Count1Resources(uint32_t type);
// index counts from 1.
HostHandle QOR_HOST_CALL Get1IndResource(uint32_t type, int16_t index);
// The resource's number, type and name (a length-prefixed string of up to 255 characters); null outputs are skipped.
void QOR_HOST_CALL GetResInfo(HostHandle resource, int16_t* id, uint32_t* type, unsigned char* name);
// Hands the resource's handle to the caller, who then disposes of it.
void QOR_HOST_CALL DetachResource(HostHandle resource);
void QOR_HOST_CALL ReleaseResource(HostHandle resource);

// ---- Strings ----

// value in decimal as a length-prefixed string (ordinal 389).
void QOR_HOST_CALL NumToString(int32_t value, unsigned char* text);
// Converts a zero-terminated text of at most 255 characters in place into a length-prefixed one, and back.
unsigned char* QOR_HOST_CALL c2pstr(char* text);
char* QOR_HOST_CALL p2cstr(unsigned char* text);

// ---- Fixed-point numbers: 16 integer and 16 fraction bits in a signed 32-bit word. Any thread. ----

double QOR_HOST_CALL Fix2X(int32_t value);
// Rounded to the nearest fixed-point step; outside the range the nearest end of it.
int32_t QOR_HOST_CALL X2Fix(double value);

// ---- Time and idle ----

struct HostWide
{
    uint32_t hi;
    uint32_t lo;
};
// The host's free-running microsecond counter (ordinal 6526). Any thread.
void QOR_HOST_CALL Microseconds(HostWide* counter);
// The host's tick count (sixtieths of a second). Any thread.
uint32_t QOR_HOST_CALL TickCount(void);
// Lets the host run its own idle work (its windows, other plug-ins).
void QOR_HOST_CALL SystemTask(void);

// ---- Windows ----

// The native window behind a host graphics port (an HWND on Windows), or null.
void* QOR_HOST_CALL GetWindowFromPort(void* port);

}  // extern "C"
