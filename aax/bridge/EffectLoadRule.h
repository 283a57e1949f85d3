// Where the AAX plug-in finds the effect it carries: beside itself. When its folder lies below a "Plug-Ins" folder,
// that folder becomes the library search directory and the effect is loaded by the path relative to it (so that
// libraries the effect itself loads are found there too); otherwise by the full path, with the search reset.
#pragma once

#include <string>

struct EffectLoadPlan
{
    std::string loadPath;
    // False when the plug-in's own module could not be found: the search directory is then left as it is.
    bool setSearchDirectory = false;
    std::string searchDirectory;
};

// modulePath: the plug-in's own file; separator: the system's folder separator; effectFileName: e.g.
// "Qor Kalvenor.dll". Without a module path (moduleFound false) the load path is empty, so the load fails rather
// than search the system for the file name.
EffectLoadPlan planEffectLoad(bool moduleFound, const std::string& modulePath, char separator,
                              const std::string& effectFileName);
