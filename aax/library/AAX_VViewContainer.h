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
    virtual AAX_Result HostOperation5(void* a) = 0;
    virtual AAX_Result SetViewSize(const acf::ViewSize& size) = 0;
    virtual AAX_Result HostOperation7(void* a) = 0;
    virtual AAX_Result HostOperation8(void* a) = 0;
    virtual AAX_Result HostOperation9(void* a) = 0;
};

class AAX_VViewContainer final : public AAX_IViewContainer
{
public:
    AAX_VViewContainer() = default;
    ~AAX_VViewContainer() override;
    AAX_VViewContainer(const AAX_VViewContainer&) = delete;
    AAX_VViewContainer& operator=(const AAX_VViewContainer&) = delete;

    void** HostInterfaceSlot() { return &container_; }

    // Host GUI thread. Without the host's interface the type, the view and the size answer 0, the operations the
    // library only passes through (HostOperationN is the host's operation N) -20009.
    int32_t GetType() const override;
    void* GetPtr() const override;
    AAX_Result HostOperation5(void* a) override;
    AAX_Result SetViewSize(const acf::ViewSize& size) override;
    AAX_Result HostOperation7(void* a) override;
    AAX_Result HostOperation8(void* a) override;
    AAX_Result HostOperation9(void* a) override;

private:
    void* container_ = nullptr;
};
