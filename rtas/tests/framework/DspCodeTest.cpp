// DSP code: a code resource laid out as the DSI loads it (as it stands, or as 24-bit words in either byte order),
// and a chip object's LoadCode against the kit's DSI, which copies the code of every shell it loads into the DSP.
#include "DspFixture.h"

#include "platform/ModuleInfo.h"
#include "rtas/framework/CDAEError.h"
#include "rtas/framework/dsp/CProcessDSP.h"
#include "rtas/framework/dsp/DsiQueries.h"
#include "rtas/framework/dsp/DspCodeArray.h"

#if !defined(_WIN32)
#include "platform/posix/ResourceContainer.h"
#endif

#include <cstdio>
#include <cstring>
#include <memory>
#include <fstream>
#include <string>
#include <vector>

namespace {

using testsupport::DspHost;
using testsupport::DsiWay;

TEST(DspCodeArray, ResourcesBecomeCountedWordArrays)
{
    const uint32_t kPlain = HostFourCC("DSPC");
    const uint32_t kSwapped = HostFourCC("SACD");
    const struct
    {
        std::vector<uint8_t> bytes;
        uint32_t type;
        std::vector<uint32_t> words;
    } cases[] = {
        {{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}, kPlain, {2, 0, 0x123456, 0x789ABC}},
        {{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}, kSwapped, {2, 0, 0x563412, 0xBC9A78}},
        // A last group of fewer than three bytes is completed with zeros, never read past the resource.
        {{0x12, 0x34, 0x56, 0xDE}, kPlain, {2, 0, 0x123456, 0xDE0000}},
        {{0x12, 0x34, 0x56, 0xDE, 0xAD}, kSwapped, {2, 0, 0x563412, 0x00ADDE}},
        {{}, kPlain, {0, 0}},
    };
    for (const auto& c : cases) {
        // An exact-size copy, so that AddressSanitizer sees any read past the resource.
        std::unique_ptr<uint8_t[]> resource(new uint8_t[c.bytes.size() + 1]);
        std::copy(c.bytes.begin(), c.bytes.end(), resource.get());
        EXPECT_EQ(rtas::dsp::MakeCodeWordArray(c.bytes.empty() ? nullptr : resource.get(), uint32_t(c.bytes.size()),
                                               c.type),
                  c.words)
            << c.bytes.size() << " bytes";
    }
    const uint8_t bytes[] = {1, 2, 3, 4, 5};
    const std::vector<uint32_t> counted = rtas::dsp::MakeCodeByteArray(bytes, 5);
    ASSERT_EQ(counted.size(), 3u);
    EXPECT_EQ(counted[0], 5u);
    EXPECT_EQ(std::memcmp(&counted[1], bytes, 5), 0);
    EXPECT_EQ(rtas::dsp::MakeCodeByteArray(nullptr, 9), std::vector<uint32_t>{0});
}

#if !defined(_WIN32)
// A library file holding one resource per (type, number), in the container format the platform layer reads.
class CodeLibrary
{
public:
    CodeLibrary(const char* type, int32_t id, const std::vector<uint8_t>& bytes)
    {
        std::vector<uint8_t> file(platform::kResourceContainerMagic, platform::kResourceContainerMagic + 8);
        auto put = [&](uint32_t word) {
            for (int i = 0; i < 4; ++i)
                file.push_back(uint8_t(word >> (8 * i)));
        };
        put(1);
        file.push_back(uint8_t(std::strlen(type)));
        file.insert(file.end(), type, type + std::strlen(type));
        put(uint32_t(id));
        put(uint32_t(bytes.size()));
        file.insert(file.end(), bytes.begin(), bytes.end());
        fPath = std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + ".lib";
        for (char& ch : fPath)
            if (ch == '/')
                ch = '_';
        std::ofstream(fPath, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                     std::streamsize(file.size()));
        fModule = platform::openLibraryAsData(fPath.c_str());
    }
    ~CodeLibrary()
    {
        platform::releaseLibraryData(fModule);
        std::remove(fPath.c_str());
    }
    void* Module() const { return fModule; }

private:
    std::string fPath;
    void* fModule = nullptr;
};

class DspCode : public testing::TestWithParam<DsiWay>
{
protected:
    DspHost host{GetParam()};

    std::vector<uint8_t> LoadedCode(HostWord dsp)
    {
        std::vector<uint8_t> bytes(size_t(QorKitDsiLoadedCode(dsp, nullptr, 0)));
        QorKitDsiLoadedCode(dsp, bytes.data(), int32_t(bytes.size()));
        return bytes;
    }
    HostWord ClientValue(HostWord dsp)
    {
        HostWord value = -1;
        rtas::dsp::GetDSPClientVal(dsp, &value);
        return value;
    }
    HostWord CurrentShell(HostWord dsp)
    {
        HostWord shell = -1;
        rtas::dsp::GetDSPShell(dsp, &shell);
        return shell;
    }
    static int16_t Raised(CDSP& object, void* module, int32_t id)
    {
        try {
            object.LoadCode(module, id);
        } catch (const CDAEError& error) {
            return error.GetCode();
        }
        return 0;
    }
};

TEST_P(DspCode, LoadCodeInstallsTheResourceAndMakesTheObjectTheClient)
{
    const std::vector<uint8_t> code = {0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10};
    CodeLibrary library("DSPCODE", 12, code);
    ASSERT_NE(library.Module(), nullptr);
    const HostWord dsp = QorKitDsiAddDsp(QorKitDsiAddCard(18, 0), 0, 0);
    CProcessDSP first;
    ASSERT_EQ(first.Attach(dsp), 0);
    EXPECT_EQ(first.FindFreeDSP(), dsp);

    EXPECT_EQ(first.LoadCode(library.Module(), 12), 0);
    EXPECT_EQ(LoadedCode(dsp), code);
    EXPECT_EQ(CurrentShell(dsp), first.GetShell());
    EXPECT_EQ(ClientValue(dsp), HostWord(reinterpret_cast<uintptr_t>(&first)));
    EXPECT_EQ(QorKitCallCount("ResetDSP"), 0) << "a DSP on the standard list needs no reset";
    EXPECT_EQ(first.FindFreeDSP(), 0) << "the DSP has a client now";

    // A second object takes the DSP over: the first one's shell is taken off through a reset first.
    CProcessDSP second;
    ASSERT_EQ(second.Attach(dsp), 0);
    EXPECT_EQ(second.LoadCode(library.Module(), 12), 0);
    EXPECT_EQ(QorKitCallCount("ResetDSP"), 1);
    EXPECT_EQ(QorKitCallCount("DsiLoadShell"), 3);
    EXPECT_EQ(CurrentShell(dsp), second.GetShell());
    EXPECT_EQ(ClientValue(dsp), HostWord(reinterpret_cast<uintptr_t>(&second)));

    // Detaching hands the DSP back to the standard list, free for the next client.
    EXPECT_EQ(second.Detach(), 0);
    EXPECT_EQ(CurrentShell(dsp), QorKitDsiStandardShellList());
    EXPECT_EQ(second.FindFreeDSP(), dsp);
}

TEST_P(DspCode, LoadCodeFailuresAreRaisedWithTheirCodes)
{
    CodeLibrary library("DSPCODE", 12, {1, 2, 3});
    const HostWord dsp = QorKitDsiAddDsp(QorKitDsiAddCard(21, 0), 0, 0);
    CProcessDSP object;
    ASSERT_EQ(object.Attach(dsp), 0);
    EXPECT_EQ(Raised(object, library.Module(), 13), -7061) << "no resource of that number";
    EXPECT_EQ(Raised(object, nullptr, 12), -7061) << "no module";
    EXPECT_EQ(QorKitCallCount("DsiLoadShell"), 0);

    QorKitDsiSetLoadShellResult(-9);
    EXPECT_EQ(Raised(object, library.Module(), 12), -9);
    QorKitDsiSetLoadShellResult(0);
    ASSERT_EQ(object.LoadCode(library.Module(), 12), 0);
    QorKitDsiSetResetResult(-4);
    EXPECT_EQ(Raised(object, library.Module(), 12), -4) << "a reset that fails before the reload";
    EXPECT_EQ(CurrentShell(dsp), object.GetShell());

    CProcessDSP unattached;
    EXPECT_EQ(Raised(unattached, library.Module(), 12), -7053);
}

INSTANTIATE_TEST_SUITE_P(BothWays, DspCode, testing::Values(DsiWay::kDirect, DsiWay::kDsi), testsupport::WayName);
#endif

}  // namespace
