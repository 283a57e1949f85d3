// A packet handler that calls a member of its worker: the one taking identifier and packet when set, else the one
// taking the packet alone.
#pragma once

#include "aax/library/AAX_IPacketHandler.h"

template <typename Worker>
class AAX_CPacketHandler : public AAX_IPacketHandler
{
public:
    typedef AAX_Result (Worker::*PacketCallback)(PortPacket& packet) const;
    typedef AAX_Result (Worker::*IdentifierCallback)(AAX_CParamID identifier, PortPacket& packet) const;

    AAX_CPacketHandler(const Worker* worker, IdentifierCallback identifierCallback,
                       PacketCallback packetCallback = nullptr)
        : worker_(worker), identifierCallback_(identifierCallback), packetCallback_(packetCallback)
    {
    }

    AAX_IPacketHandler* Clone() const override { return new AAX_CPacketHandler(*this); }

    AAX_Result Call(AAX_CParamID identifier, PortPacket& packet) const override
    {
        if (worker_ && identifierCallback_)
            return (worker_->*identifierCallback_)(identifier, packet);
        if (worker_ && packetCallback_)
            return (worker_->*packetCallback_)(packet);
        return AAX_ERROR_NULL_OBJECT;
    }

private:
    const Worker* worker_;
    IdentifierCallback identifierCallback_;
    PacketCallback packetCallback_;
};
