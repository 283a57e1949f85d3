#include "aax/library/AAX_VViewContainer.h"

#include "aax/library/HostInterface.h"

AAX_VViewContainer::~AAX_VViewContainer()
{
    // The query that filled the slot took a reference; nobody else gives it back.
    hostref::release(container_);
}

int32_t AAX_VViewContainer::GetType() const
{
    return container_ ? acf::tableOf<acf::ViewContainerTable>(container_).getType(container_) : 0;
}

void* AAX_VViewContainer::GetPtr() const
{
    return container_ ? acf::tableOf<acf::ViewContainerTable>(container_).getView(container_) : nullptr;
}

AAX_Result AAX_VViewContainer::SetViewSize(const acf::ViewSize& size)
{
    return container_ ? acf::tableOf<acf::ViewContainerTable>(container_).setViewSize(container_, &size) : 0;
}

AAX_Result AAX_VViewContainer::HostOperation5(void* a)
{
    return hostref::pass(container_, &acf::ViewContainerTable::operation5, AAX_ERROR_UNIMPLEMENTED, a);
}

AAX_Result AAX_VViewContainer::HostOperation7(void* a)
{
    return hostref::pass(container_, &acf::ViewContainerTable::operation7, AAX_ERROR_UNIMPLEMENTED, a);
}

AAX_Result AAX_VViewContainer::HostOperation8(void* a)
{
    return hostref::pass(container_, &acf::ViewContainerTable::operation8, AAX_ERROR_UNIMPLEMENTED, a);
}

AAX_Result AAX_VViewContainer::HostOperation9(void* a)
{
    return hostref::pass(container_, &acf::ViewContainerTable::operation9, AAX_ERROR_UNIMPLEMENTED, a);
}
