#include "rtas/framework/CSmartStructure.h"

namespace {

CSmartStructure* gCurrent = nullptr;

}  // namespace

CSmartStructure::CSmartStructure() { gCurrent = this; }

CSmartStructure::~CSmartStructure() { EndDeclarations(); }

CSmartStructure* CSmartStructure::Current() { return gCurrent; }

void CSmartStructure::EndDeclarations()
{
    if (gCurrent == this)
        gCurrent = nullptr;
}

int32_t CSmartStructure::Declare(int32_t bytes)
{
    const int32_t offset = fLength;
    fLength += bytes;
    return offset;
}

int32_t CSmartStructure::DeclareByte() { return Declare(1); }
int32_t CSmartStructure::DeclareDouble() { return Declare(8); }
int32_t CSmartStructure::DeclareInt32() { return Declare(4); }
int32_t CSmartStructure::DeclareFloat() { return Declare(4); }
int32_t CSmartStructure::DeclarePointer() { return Declare(4); }
