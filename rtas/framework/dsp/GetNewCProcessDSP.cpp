#include "rtas/framework/dsp/GetNewCProcessDSP.h"

#include "rtas/framework/dsp/COnyxChipDSP.h"
#include "rtas/framework/dsp/DsiQueries.h"

#include <stdexcept>

CProcessDSP* GetNewCProcessDSP(HostWord dsp)
{
    HostWord cardType = 0;
    rtas::dsp::GetCardTypeFromDSP(dsp, &cardType);
    if (rtas::dsp::IsProcessCardType(int32_t(cardType)))
        return new CProcessDSP();
    if (rtas::dsp::IsOnyxCardType(int32_t(cardType)))
        return new COnyxChipDSP();
    bool presto = false;
    rtas::dsp::IsPresto(dsp, &presto);
    if (presto)
        return new CPrestoChipDSP();
    bool is321 = false;
    rtas::dsp::IsDSP321(dsp, &is321);
    if (is321)
        return new C321ChipDSP();
    throw std::runtime_error("unrecognized card type in GetNewCProcessDSP()");
}
