#include "rtas/framework/GroupCall.h"

#include "rtas/framework/ResultCodes.h"

#include <new>

int32_t RunGroupCall(SGenFuncRetLong& call)
{
    try {
        return call.Run();
    } catch (const std::bad_alloc&) {
        return rtas::kOutOfMemory;
    } catch (const CDAEError& error) {
        return error.GetCode();
    } catch (...) {
        return rtas::kUnexpected;
    }
}
