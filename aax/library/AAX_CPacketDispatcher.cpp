#include "aax/library/AAX_CPacketDispatcher.h"

#include "aax/library/AAX_IController.h"
#include "aax/library/AAX_IEffectParameters.h"
#include "aax/library/AAX_IParameter.h"

AAX_CPacketDispatcher::AAX_CPacketDispatcher()
{
    auto lock = std::make_unique<OwnerTrackedMutex>();
    if (lock->valid())
        lock_ = std::move(lock);
}

AAX_CPacketDispatcher::~AAX_CPacketDispatcher()
{
    {
        ScopedMutexLock guard(lock_.get());
        registrations_.clear();
        ports_.clear();
    }
    lock_.reset();
}

void AAX_CPacketDispatcher::Initialize(AAX_IController* controller, AAX_IEffectParameters* owner)
{
    ScopedMutexLock guard(lock_.get());
    controller_ = controller;
    owner_ = owner;
}

AAX_Result AAX_CPacketDispatcher::RegisterBypassPacket(const AAX_IPacketHandler& handler)
{
    ScopedMutexLock guard(lock_.get());
    auto& packet = ports_[kBypassPort];
    if (!packet)
        packet = std::make_unique<PortPacket>(kBypassPort);
    registrations_.emplace("MasterBypassID",
                           Registration{packet.get(), std::unique_ptr<AAX_IPacketHandler>(handler.Clone())});
    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::MarkDirty(AAX_CParamID identifier)
{
    ScopedMutexLock guard(lock_.get());
    if (!identifier)
        return AAX_SUCCESS;
    const auto range = registrations_.equal_range(identifier);
    for (auto it = range.first; it != range.second; ++it)
        it->second.packet->setDirty(true);
    return AAX_SUCCESS;
}

AAX_Result AAX_CPacketDispatcher::SendDirty()
{
    ScopedMutexLock guard(lock_.get());
    AAX_Result result = AAX_SUCCESS;
    for (auto& [identifier, registration] : registrations_) {
        PortPacket& packet = *registration.packet;
        if (!packet.dirty())
            continue;
        // A handler's failure posts nothing for this packet; the walk goes on.
        if (registration.handler->Call(identifier.c_str(), packet) == AAX_SUCCESS)
            result = controller_ ? controller_->PostPacket(packet.port(), packet.data(), packet.size())
                                 : AAX_ERROR_NULL_OBJECT;
        packet.setDirty(false);
    }
    return result;
}

AAX_Result AAX_CPacketDispatcher::WriteParameterPacket(AAX_CParamID identifier, PortPacket& packet) const
{
    ScopedMutexLock guard(lock_.get());
    if (!owner_)
        return AAX_ERROR_NULL_OBJECT;
    AAX_IParameter* parameter = nullptr;
    if (owner_->GetParameterObject(identifier, &parameter) != AAX_SUCCESS || !parameter)
        return AAX_ERROR_NULL_OBJECT;
    bool b = false;
    float f = 0.0f;
    int32_t i = 0;
    double d = 0.0;
    if (parameter->GetValueAsBool(&b))
        packet.storeValue(int32_t(b ? 1 : 0));
    else if (parameter->GetValueAsFloat(&f))
        packet.storeValue(f);
    else if (parameter->GetValueAsInt32(&i))
        packet.storeValue(i);
    else if (parameter->GetValueAsDouble(&d))
        packet.storeValue(d);
    else
        return AAX_ERROR_NULL_OBJECT;
    return AAX_SUCCESS;
}
