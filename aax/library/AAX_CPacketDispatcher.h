// Carries parameter values from the effect-parameters object to the host's audio side as data packets: identifiers
// are registered on the packet of a data port with a handler that fills it; a host value change marks the
// identifier's packets dirty, and a send has each dirty packet filled and posted through the host controller.
// One lives inside every effect-parameters object. Every operation holds the dispatcher's mutex, which the thread
// holding it may take again (handlers and the owner call back into the dispatcher).
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "aax/library/AAX_IPacketHandler.h"
#include "aax/library/AAX_Types.h"
#include "aax/library/OwnerTrackedMutex.h"
#include "aax/library/PortPacket.h"

class AAX_IController;
class AAX_IEffectParameters;

class AAX_CPacketDispatcher
{
public:
    // The data port of the master bypass packet (4 bytes: the bypass word of the render context).
    static constexpr AAX_CFieldIndex kBypassPort = 3;

    AAX_CPacketDispatcher();
    ~AAX_CPacketDispatcher();
    AAX_CPacketDispatcher(const AAX_CPacketDispatcher&) = delete;
    AAX_CPacketDispatcher& operator=(const AAX_CPacketDispatcher&) = delete;

    // Host thread, at the owner's initialisation, before any other operation. Neither is owned.
    void Initialize(AAX_IController* controller, AAX_IEffectParameters* owner);

    // Host thread; takes the dispatcher's mutex. Registers "MasterBypassID" on the port-3 packet with a clone of the
    // handler (the caller keeps its own); a second call adds a second entry on the same packet. Answers 0.
    AAX_Result RegisterBypassPacket(const AAX_IPacketHandler& handler);
    // Any host thread; takes the dispatcher's mutex. Marks the packets of every entry of that identifier dirty; an
    // unregistered identifier changes nothing. Answers 0.
    AAX_Result MarkDirty(AAX_CParamID identifier);
    // Any host thread; takes the dispatcher's mutex. Walks the entries in identifier order and fills and posts each
    // packet that is still dirty, once per walk. Answers the last post's result, 0 when nothing was posted.
    AAX_Result SendDirty();

    // The identifier callback of the bypass handler (called inside SendDirty, mutex held): stores the parameter's
    // value in the packet as its first successful typed read gives it: bool and int32 as 4-byte integers, float as
    // 4 bytes, double as 8, in the processor's byte order. -20004 for an unknown or untyped parameter.
    AAX_Result WriteParameterPacket(AAX_CParamID identifier, PortPacket& packet) const;

    bool HasLock() const { return lock_ != nullptr; }

private:
    struct Registration
    {
        PortPacket* packet;
        std::unique_ptr<AAX_IPacketHandler> handler;
    };

    // Byte-wise order (std::string compares as unsigned characters); a prefix sorts first.
    std::map<AAX_CFieldIndex, std::unique_ptr<PortPacket>> ports_;
    std::multimap<std::string, Registration> registrations_;
    AAX_IController* controller_ = nullptr;
    AAX_IEffectParameters* owner_ = nullptr;
    std::unique_ptr<OwnerTrackedMutex> lock_;
};
