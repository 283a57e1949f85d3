#include "rtas/bridge/WrapperStateTarget.h"

#include "rtas/bridge/CPluginWrapper.h"

int32_t WrapperStateTarget::effectFlags() const
{
    return wrapper_.record() != nullptr ? wrapper_.record()->flags : 0;
}

int32_t WrapperStateTarget::parameterCount() const
{
    return wrapper_.record() != nullptr ? wrapper_.record()->numParams : 0;
}

int32_t WrapperStateTarget::programCount() const
{
    return wrapper_.record() != nullptr ? wrapper_.record()->numPrograms : 0;
}

intptr_t WrapperStateTarget::dispatch(int32_t opcode, int32_t index, intptr_t value, void* ptr, float opt)
{
    return wrapper_.Dispatch(opcode, index, value, ptr, opt);
}

float WrapperStateTarget::getParameter(int32_t index)
{
    return wrapper_.GetParameter(index);
}

void WrapperStateTarget::setParameter(int32_t index, float value)
{
    wrapper_.SetParameter(index, value);
}

void WrapperStateTarget::beginBankWork()
{
    wrapper_.beginBankWork();
}

void WrapperStateTarget::endBankWork()
{
    wrapper_.endBankWork();
}
