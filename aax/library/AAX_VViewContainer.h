// The host's view container of an open plug-in window: its kind, the native view, and the size the plug-in asks for.
// The GUI base fills the interface (a query of the host's container straight into HostInterfaceSlot) and owns the
// proxy; the proxy releases that reference when it is destroyed.
#pragma once

#include <cstdint>

#include "aax/library/AAX_Types.h"
#include "hosts/aax/AcfTables.h"

class AAX_IViewContainer
{
public:
    virtual ~AAX_IViewContainer() = default;
    virtual int32_t GetType() const = 0;
    virtual void* GetPtr() const = 0;
    virtual AAX_Result SetViewSize(const acf::ViewSize& size) = 0;
};

class AAX_VViewContainer final : public AAX_IViewContainer
{
public:
    AAX_VViewContainer() = default;
    ~AAX_VViewContainer() override;
    AAX_VViewContainer(const AAX_VViewContainer&) = delete;
    AAX_VViewContainer& operator=(const AAX_VViewContainer&) = delete;

    void** HostInterfaceSlot() { return &container_; }

    // Host GUI thread. Without the host's interface each answers 0.
    int32_t GetType() const override;
    void* GetPtr() const override;
    AAX_Result SetViewSize(const acf::ViewSize& size) override;

private:
    void* container_ = nullptr;
};
