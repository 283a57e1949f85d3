// The holder of a block of the host's memory: the block is the host's for as long as the holder lives, and a host
// without memory to give is reported as the library's failure code.
#include "hosts/rtas/KitControl.h"
#include "rtas/bridge/entry/CHostMemoryHandle.h"

#include <gtest/gtest.h>

namespace {

TEST(HostMemoryHandle, HoldsTheHostsBlockUntilItGoesAndRaisesTheFailureCodeWhenNoneComes)
{
    QorKitReset();
    const int32_t before = QorKitLiveHandles();
    {
        CHostMemoryHandle holder(64);
        ASSERT_NE(holder.Get(), nullptr);
        EXPECT_EQ(GetHandleSize(holder.Get()), 64);
        EXPECT_EQ(QorKitLiveHandles(), before + 1);
        holder.Acquire(16);
        EXPECT_EQ(QorKitLiveHandles(), before + 1) << "the first block is given back before the second is asked for";
    }
    EXPECT_EQ(QorKitLiveHandles(), before);

    QorKitSetNewHandleFails(1);
    int32_t code = 0;
    try {
        CHostMemoryHandle holder(64);
    } catch (const CDAEError& error) {
        code = error.GetCode();
    }
    QorKitSetNewHandleFails(0);
    EXPECT_EQ(code, -7401);
    EXPECT_EQ(QorKitLiveHandles(), before);
}

}  // namespace
