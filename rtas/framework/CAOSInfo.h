// Descriptions of an instance's output streams, which the host can query. Nothing in this product adds one: the
// instance's routines answer from an empty list.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct SAOSDescription
{
    int32_t streamValue = -1;
    int32_t firstChannel = -1;
    int32_t stemCode = -100;
    char name[256] = {0};
};

class CAOSInfo
{
public:
    CAOSInfo() = default;
    // Sizes the channel flags from the stem code (an unknown code throws CDAEError -7401).
    CAOSInfo(int32_t stemCode, int32_t firstChannel, const char* name, int32_t streamValue);
    virtual ~CAOSInfo() = default;

    const SAOSDescription& GetDescription() const { return fDescription; }
    int32_t CountChannels() const { return int32_t(fFlags.size()); }
    std::vector<uint8_t>& Flags() { return fFlags; }

private:
    SAOSDescription fDescription;
    std::vector<uint8_t> fFlags;
};

class CAOSInfoList
{
public:
    // Takes ownership; a null info throws CDAEError -7053. Answers the new channel total.
    int32_t Add(CAOSInfo* info);
    // 0-based; outside throws CDAEError -7103.
    CAOSInfo* Get(int32_t i) const;
    int32_t Count() const { return int32_t(fInfos.size()); }
    int32_t CountChannels() const { return fChannels; }
    // Copies the stream value (at most 1) and, when that is not 0, the rest; an invalid index leaves out untouched.
    void GetDescription(int32_t i, SAOSDescription* out) const;
    bool FindChannel(int32_t channel, int32_t* entry, int32_t* position) const;
    bool HasChannel(int32_t channel) const;
    // 1 when no entry holds the channel.
    uint8_t GetChannelFlag(int32_t channel) const;
    int32_t SetChannelFlag(int32_t channel, uint8_t flag);

private:
    std::vector<std::unique_ptr<CAOSInfo>> fInfos;
    int32_t fChannels = 0;
};
