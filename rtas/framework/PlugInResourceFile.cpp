#include "rtas/framework/PlugInResourceFile.h"

namespace rtas {
namespace {

std::string gPath;
ResourceByteOrderProc gByteOrder = nullptr;
int32_t gUses = 0;
int16_t gRefNum = -1;

}  // namespace

void SetPlugInResourceFile(const std::string& path, ResourceByteOrderProc byteOrder)
{
    gPath = path;
    gByteOrder = byteOrder;
}

int16_t UsePlugInResourceFile()
{
    const int16_t previous = CurResFile();
    if (gUses == 0 && !gPath.empty())
        gRefNum = OpenResourceFile(gPath.c_str(), 1, gByteOrder);
    if (gRefNum != -1)
        UseResFile(gRefNum);
    ++gUses;
    return previous;
}

void ReleasePlugInResourceFile(int16_t previous)
{
    // A release without a use (the last instance of a module whose file the entry opened) gives nothing back.
    if (gUses > 0 && --gUses == 0 && gRefNum != -1) {
        CloseResFile(gRefNum);
        gRefNum = -1;
    }
    if (previous != 0)
        UseResFile(previous);
}

int32_t PlugInResourceFileUses() { return gUses; }

void ForgetPlugInResourceFileUses()
{
    if (gRefNum != -1)
        CloseResFile(gRefNum);
    gRefNum = -1;
    gUses = 0;
}
int16_t PlugInResourceFileRefNum() { return gRefNum; }

}  // namespace rtas
