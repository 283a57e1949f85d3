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

QOR_HOST_PASS_THROUGH(AAX_VController, ControllerTable, 3, controller_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VController, ControllerTable, 7, controller_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VController, ControllerTable, 8, controller_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VController, ControllerTable, 9, controller_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VController, ControllerTable, 11, controller_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VController, ControllerTable, 13, controller_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VController, ControllerTable, 14, controller_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VController, ControllerTable, 15, controller_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VController, ControllerTable, 16, controller_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VController, ControllerTable, 17, controller_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VController, ControllerTable, 18, controller_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VController, ControllerTable, 19, controller_, AAX_ERROR_NULL_OBJECT)
QOR_HOST_PASS_THROUGH(AAX_VController, ControllerTable, 20, controller2_, AAX_ERROR_UNIMPLEMENTED)
QOR_HOST_PASS_THROUGH(AAX_VController, ControllerTable, 21, controller2_, AAX_ERROR_UNIMPLEMENTED)
QOR_HOST_PASS_THROUGH(AAX_VController, ControllerTable, 23, controller2_, AAX_ERROR_UNIMPLEMENTED)

AAX_Result AAX_VController::HostOperation22(void** out)
{
    if (controller2_ == nullptr)
    {
        // The caller must not take whatever its pointer held for an answer.
        if (out != nullptr)
            *out = nullptr;
        return AAX_ERROR_UNIMPLEMENTED;
    }
    return acf::tableOf<acf::ControllerTable>(controller2_).operation22(controller2_, out);
}
