#include "aax/library/CACFUnknown.h"

namespace {

std::atomic<int32_t> gLiveObjects{0};

}  // namespace

CACFUnknown::CACFUnknown(IACFUnknown* outer)
    : privateUnknown_(*this), controlling_(outer != nullptr ? outer : &privateUnknown_)
{
    gLiveObjects.fetch_add(1);
}

CACFUnknown::~CACFUnknown()
{
    gLiveObjects.fetch_sub(1);
}

int32_t CACFUnknown::LiveObjectCount()
{
    return gLiveObjects.load();
}

acf::Result CACFUnknown::InternalQueryInterface(const acf::Uid& iid, void** out)
{
    if (out == nullptr)
        return acf::kNoInterface;
    *out = nullptr;
    if (iid == acf::kIidUnknown)
    {
        *out = static_cast<IACFUnknown*>(&privateUnknown_);
        InternalAddRef();
        return AAX_SUCCESS;
    }
    return acf::kNoInterface;
}

acf::Result CACFUnknown::ReturnInterface(void* iface, void** out)
{
    *out = iface;
    controlling_->AddRef();
    return AAX_SUCCESS;
}

uint32_t CACFUnknown::InternalAddRef()
{
    return static_cast<uint32_t>(references_.fetch_add(1) + 1);
}

uint32_t CACFUnknown::InternalRelease()
{
    const int32_t count = references_.fetch_sub(1) - 1;
    if (count == 0)
    {
        FinalRelease();
        delete this;
    }
    return static_cast<uint32_t>(count);
}

acf::Result CACFUnknown::PrivateUnknown::QueryInterface(const acf::Uid& iid, void** out)
{
    return owner_.InternalQueryInterface(iid, out);
}

uint32_t CACFUnknown::PrivateUnknown::AddRef()
{
    return owner_.InternalAddRef();
}

uint32_t CACFUnknown::PrivateUnknown::Release()
{
    return owner_.InternalRelease();
}
