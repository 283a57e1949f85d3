// Reference counting for the objects the plug-in hands to its host: a private unknown that answers the base
// interface, a controlling unknown that every host-facing table forwards its first three operations to (the private
// unknown itself unless the object is aggregated), an interlocked count, and the process-wide live-object count that
// tells the host whether the plug-in file may be unloaded.
//
// An object starts with count 0; the host's first query takes the reference it keeps; the last release deletes it.
// A class with a host-facing interface derives from that interface and from CACFUnknown, puts
// ACF_FORWARD_UNKNOWN_TO_CONTROLLING() in its body, and overrides InternalQueryInterface to answer its own
// identifiers before the base.
#pragma once

#include <atomic>
#include <cstdint>

#include "aax/library/IACFUnknown.h"

class CACFUnknown
{
public:
    explicit CACFUnknown(IACFUnknown* outer = nullptr);
    virtual ~CACFUnknown();
    CACFUnknown(const CACFUnknown&) = delete;
    CACFUnknown& operator=(const CACFUnknown&) = delete;

    IACFUnknown* GetPrivateUnknown() { return &privateUnknown_; }
    IACFUnknown* GetControllingUnknown() { return controlling_; }

    // Any host thread. out := null; the base interface gives the private unknown with a reference added; anything
    // else kNoInterface. Derived classes test their own identifiers first and answer with ReturnInterface.
    virtual acf::Result InternalQueryInterface(const acf::Uid& iid, void** out);
    // Any host thread; interlocked. Each answers the new count; the release that reaches 0 deletes the object.
    uint32_t InternalAddRef();
    uint32_t InternalRelease();

    // Number of CACFUnknown objects alive in the process (any thread).
    static int32_t LiveObjectCount();

protected:
    // Hands out an interface of this object, with a reference taken through the controlling unknown.
    acf::Result ReturnInterface(void* iface, void** out);
    // Runs once, just before the object deletes itself on its last release.
    virtual void FinalRelease() {}

private:
    class PrivateUnknown final : public IACFUnknown
    {
    public:
        explicit PrivateUnknown(CACFUnknown& owner) : owner_(owner) {}
        acf::Result QueryInterface(const acf::Uid& iid, void** out) override;
        uint32_t AddRef() override;
        uint32_t Release() override;

    private:
        CACFUnknown& owner_;
    };

    PrivateUnknown privateUnknown_;
    IACFUnknown* controlling_;
    std::atomic<int32_t> references_{0};
};

// The first three operations of a host-facing interface, forwarded to the controlling unknown.
#define ACF_FORWARD_UNKNOWN_TO_CONTROLLING()                                              \
    acf::Result QueryInterface(const acf::Uid& iid, void** out) override                  \
    {                                                                                     \
        return GetControllingUnknown()->QueryInterface(iid, out);                         \
    }                                                                                     \
    uint32_t AddRef() override { return GetControllingUnknown()->AddRef(); }              \
    uint32_t Release() override { return GetControllingUnknown()->Release(); }
