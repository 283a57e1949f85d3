#include "rtas/bridge/entry/GroupCreation.h"

#include "rtas/bridge/entry/CWrapperProcessGroup.h"
#include "rtas/framework/CDAEError.h"
#include "rtas/framework/ModuleState.h"
#include "rtas/framework/ResultCodes.h"

#include <new>

namespace rtas::entry {

int32_t CreateModuleGroup()
{
    if (GetModuleGroup() != nullptr)
        return 0;
    CWrapperProcessGroup* group = nullptr;
    try {
        group = new CWrapperProcessGroup;
    } catch (const std::bad_alloc&) {
        return kNoMemoryForGroup;
    } catch (...) {
        return kUnexpected;
    }
    // Stored before it initialises, as the library's code that runs meanwhile may ask for it.
    SetModuleGroup(group);
    int32_t result = kUnexpected;
    try {
        result = group->Initialize();
    } catch (const CDAEError& error) {
        result = error.GetCode();
    } catch (...) {
        result = kUnexpected;
    }
    if (result != 0)
        DeleteModuleGroup();
    return result;
}

}  // namespace rtas::entry
