#include "rtas/framework/CAOSInfo.h"

#include "rtas/framework/CDAEError.h"
#include "rtas/framework/ResultCodes.h"
#include "rtas/framework/StemFormats.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int32_t kListIndexOutOfRange = -7103;

}  // namespace

CAOSInfo::CAOSInfo(int32_t stemCode, int32_t firstChannel, const char* name, int32_t streamValue)
    : fFlags(size_t(rtas::ChannelCountForStemFormat(stemCode)), 0)
{
    fDescription.streamValue = streamValue;
    fDescription.firstChannel = firstChannel;
    fDescription.stemCode = stemCode;
    if (name != nullptr)
        std::strncpy(fDescription.name, name, sizeof fDescription.name - 1);
}

int32_t CAOSInfoList::Add(CAOSInfo* info)
{
    if (info == nullptr)
        throw CDAEError(rtas::kMissingObject);
    fInfos.emplace_back(info);
    fChannels += info->CountChannels();
    return fChannels;
}

CAOSInfo* CAOSInfoList::Get(int32_t i) const
{
    if (i < 0 || i >= Count())
        throw CDAEError(kListIndexOutOfRange);
    return fInfos[size_t(i)].get();
}

void CAOSInfoList::GetDescription(int32_t i, SAOSDescription* out) const
{
    if (i < 0 || i >= Count() || out == nullptr)
        return;
    const SAOSDescription& description = fInfos[size_t(i)]->GetDescription();
    out->streamValue = std::min(description.streamValue, 1);
    if (out->streamValue != 0) {
        out->firstChannel = description.firstChannel;
        out->stemCode = description.stemCode;
        std::memcpy(out->name, description.name, sizeof out->name);
    }
}

bool CAOSInfoList::FindChannel(int32_t channel, int32_t* entry, int32_t* position) const
{
    if (entry != nullptr)
        *entry = -1;
    if (position != nullptr)
        *position = -1;
    for (int32_t e = 0; e < Count(); ++e) {
        const CAOSInfo& info = *fInfos[size_t(e)];
        for (int32_t p = 0; p < info.CountChannels(); ++p)
            if (channel == info.GetDescription().firstChannel + p) {
                if (entry != nullptr)
                    *entry = e;
                if (position != nullptr)
                    *position = p;
                return true;
            }
    }
    return false;
}

bool CAOSInfoList::HasChannel(int32_t channel) const { return FindChannel(channel, nullptr, nullptr); }

uint8_t CAOSInfoList::GetChannelFlag(int32_t channel) const
{
    int32_t entry = -1;
    int32_t position = -1;
    if (!FindChannel(channel, &entry, &position) || position < 0)
        return 1;
    return fInfos[size_t(entry)]->Flags()[size_t(position)];
}

int32_t CAOSInfoList::SetChannelFlag(int32_t channel, uint8_t flag)
{
    int32_t entry = -1;
    int32_t position = -1;
    if (FindChannel(channel, &entry, &position))
        fInfos[size_t(entry)]->Flags()[size_t(position)] = flag;
    return 0;
}
