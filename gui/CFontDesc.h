// A font by family name and size in pixels. Backends map "Arial" to a metric-compatible family where Arial is
// missing (Liberation Sans on Linux).
#pragma once

#include <string>

#include "gui/Geometry.h"

enum CTxtFace : int32_t
{
    kNormalFace = 0,
    kBoldFace = 1 << 0,
    kItalicFace = 1 << 1,
};

struct CFontDesc
{
    std::string name = "Arial";
    CCoord size = 12;
    int32_t style = kNormalFace; // CTxtFace bits

    CFontDesc() = default;
    CFontDesc(std::string fontName, CCoord fontSize, int32_t fontStyle = kNormalFace)
        : name(std::move(fontName)), size(fontSize), style(fontStyle)
    {
    }
    bool operator==(const CFontDesc& f) const { return name == f.name && size == f.size && style == f.style; }
    bool operator!=(const CFontDesc& f) const { return !(*this == f); }
};

// The standard fonts of the controls.
inline const CFontDesc kNormalFont{"Arial", 12};
inline const CFontDesc kNormalFontSmall{"Arial", 11};
inline const CFontDesc kNormalFontBig{"Arial", 14};
