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

QOR_HOST_PASS_THROUGH(AAX_VViewContainer, ViewContainerTable, 5, container_, AAX_ERROR_UNIMPLEMENTED)

QOR_HOST_PASS_THROUGH(AAX_VViewContainer, ViewContainerTable, 7, container_, AAX_ERROR_UNIMPLEMENTED)

QOR_HOST_PASS_THROUGH(AAX_VViewContainer, ViewContainerTable, 8, container_, AAX_ERROR_UNIMPLEMENTED)

QOR_HOST_PASS_THROUGH(AAX_VViewContainer, ViewContainerTable, 9, container_, AAX_ERROR_UNIMPLEMENTED)
