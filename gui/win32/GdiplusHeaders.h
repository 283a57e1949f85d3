// <windows.h> and <gdiplus.h> for the backend. Without the min and max macros (the core's headers use std::min and
// std::max); GDI+'s headers get the two names from <algorithm> instead.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <algorithm>
#include <windows.h>

namespace Gdiplus
{
using std::max;
using std::min;
} // namespace Gdiplus

#include <gdiplus.h>
