// The seven functions through which an AAX host enters the plug-in file, and what the product supplies to them.
#pragma once

#include <cstdint>

#include "aax/library/AAX_Types.h"
#include "aax/library/AAX_VCollection.h"

// Supplied by the product: describes its effects into the collection (the thread that registers the plug-in).
AAX_Result DescribeEffects(AAX_ICollection* collection);

#if defined(_WIN32)
#define ACF_EXPORT extern "C"
#else
#define ACF_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// Host main thread. Each catches every exception and then answers acf::kUnexpected.
ACF_EXPORT acf::Result ACFRegisterPlugin(void* hostUnknown, void** pluginDefinition);
ACF_EXPORT acf::Result ACFRegisterComponent(void* hostUnknown, uint32_t index, void** componentDefinition);
ACF_EXPORT acf::Result ACFGetClassFactory(void* hostUnknown, const acf::Uid* classId, const acf::Uid* iid, void** out);
// The live-object count: 0 means the file may be unloaded.
ACF_EXPORT acf::Result ACFCanUnloadNow(void* hostUnknown);
ACF_EXPORT acf::Result ACFStartup(void* hostUnknown);
ACF_EXPORT acf::Result ACFShutdown(void* hostUnknown);
ACF_EXPORT acf::Result ACFGetSDKVersion(uint64_t* version);
