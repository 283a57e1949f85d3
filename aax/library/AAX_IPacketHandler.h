// Fills a packet for a parameter identifier; the dispatcher keeps its own clone of each handler it is given.
#pragma once

#include "aax/library/AAX_Types.h"

class PortPacket;

class AAX_IPacketHandler
{
public:
    virtual ~AAX_IPacketHandler() = default;
    // A new handler equal to this one; the caller owns it.
    virtual AAX_IPacketHandler* Clone() const = 0;
    // 0 when the packet now holds the value to post.
    virtual AAX_Result Call(AAX_CParamID identifier, PortPacket& packet) const = 0;
};
