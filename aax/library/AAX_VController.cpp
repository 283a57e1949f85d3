#include "aax/library/AAX_VController.h"

#include "aax/library/HostInterface.h"

AAX_VController::AAX_VController(void* hostContext)
{
    hostref::query(hostContext, acf::kIidController, &controller_);
    hostref::query(hostContext, acf::kIidController2, &controller2_);
}

AAX_VController::~AAX_VController()
{
    hostref::release(controller2_);
    hostref::release(controller_);
}

AAX_Result AAX_VController::QuerySampleRate(float* rate) const
{
    if (controller_ == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return acf::tableOf<acf::ControllerTable>(controller_).getSampleRate(controller_, rate);
}

AAX_Result AAX_VController::QueryInputStem(uint32_t* stem) const
{
    if (controller_ == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return acf::tableOf<acf::ControllerTable>(controller_).getInputStem(controller_, stem);
}

AAX_Result AAX_VController::QueryOutputStem(uint32_t* stem) const
{
    if (controller_ == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return acf::tableOf<acf::ControllerTable>(controller_).getOutputStem(controller_, stem);
}

AAX_Result AAX_VController::ReportLatency(int32_t samples)
{
    if (controller_ == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return acf::tableOf<acf::ControllerTable>(controller_).setSignalLatency(controller_, samples);
}

AAX_Result AAX_VController::PostPacket(AAX_CFieldIndex port, const void* data, uint32_t size)
{
    if (controller_ == nullptr)
        return AAX_ERROR_NULL_OBJECT;
    return acf::tableOf<acf::ControllerTable>(controller_).postPacket(controller_, port, data, size);
}

namespace {

using Table = acf::ControllerTable;

}  // namespace

#define QOR_CONTROLLER_PASS(n, object, missing)                                                             \
    AAX_Result AAX_VController::HostOperation##n(void* a)                                                    \
    {                                                                                                        \
        return hostref::pass(object, &Table::operation##n, missing, a);                                      \
    }
QOR_CONTROLLER_PASS(3, controller_, AAX_ERROR_NULL_OBJECT)
QOR_CONTROLLER_PASS(7, controller_, AAX_ERROR_NULL_OBJECT)
QOR_CONTROLLER_PASS(8, controller_, AAX_ERROR_NULL_OBJECT)
QOR_CONTROLLER_PASS(9, controller_, AAX_ERROR_NULL_OBJECT)
QOR_CONTROLLER_PASS(11, controller_, AAX_ERROR_NULL_OBJECT)
QOR_CONTROLLER_PASS(13, controller_, AAX_ERROR_NULL_OBJECT)
QOR_CONTROLLER_PASS(14, controller_, AAX_ERROR_NULL_OBJECT)
QOR_CONTROLLER_PASS(15, controller_, AAX_ERROR_NULL_OBJECT)
QOR_CONTROLLER_PASS(16, controller_, AAX_ERROR_NULL_OBJECT)
QOR_CONTROLLER_PASS(17, controller_, AAX_ERROR_NULL_OBJECT)
QOR_CONTROLLER_PASS(18, controller_, AAX_ERROR_NULL_OBJECT)
QOR_CONTROLLER_PASS(19, controller_, AAX_ERROR_NULL_OBJECT)
QOR_CONTROLLER_PASS(20, controller2_, AAX_ERROR_UNIMPLEMENTED)
QOR_CONTROLLER_PASS(21, controller2_, AAX_ERROR_UNIMPLEMENTED)
QOR_CONTROLLER_PASS(23, controller2_, AAX_ERROR_UNIMPLEMENTED)
#undef QOR_CONTROLLER_PASS

AAX_Result AAX_VController::HostOperation22(void** out)
{
    if (controller2_ == nullptr)
    {
        // The caller must not take whatever its pointer held for an answer.
        if (out != nullptr)
            *out = nullptr;
        return AAX_ERROR_UNIMPLEMENTED;
    }
    return acf::tableOf<Table>(controller2_).operation22(controller2_, out);
}
