// What the opened plug-in tells the host about itself, read through its routines: the group's identity and its five
// types in registration order.
#include "PlugInFile.h"


namespace {

uint32_t FourCC(const char* text)
{
    return (uint32_t(uint8_t(text[0])) << 24) | (uint32_t(uint8_t(text[1])) << 16) |
           (uint32_t(uint8_t(text[2])) << 8) | uint32_t(uint8_t(text[3]));
}

struct ExpectedType
{
    const char* id;
    int32_t kind;  // 3 real-time, 1 AudioSuite
    int32_t inputStem;
    int32_t outputStem;
};

const ExpectedType kExpectedTypes[] = {
    {"Kvmm", 3, 0, 0}, {"Kvms", 3, 0, 1}, {"Kvss", 3, 1, 1}, {"Kvas", 1, 0, 0}, {"Kvam", 1, 1, 1},
};

class PlugInTypes : public PlugInFile
{
protected:
    void SetUp() override
    {
        PlugInFile::SetUp();
        ASSERT_EQ(WinOpen(kWinPlugInOpenVersion), 0);
    }

    int32_t Gestalt(uint32_t typeNumber, int32_t code)
    {
        int32_t answer = -1;
        EXPECT_EQ(Routine<93>()(typeNumber, code, &answer), 0) << "code " << code;
        return answer;
    }
};

}  // namespace

TEST_F(PlugInTypes, TheGroupNamesItsManufacturerAndEffect)
{
    unsigned char name[256] = {};
    ASSERT_EQ(Routine<12>()(20, name), 0);
    EXPECT_EQ(PascalText(name), "QorVelmont");
    ASSERT_EQ(Routine<12>()(3, name), 0);
    EXPECT_EQ(PascalText(name), "Qor");
    // Type number '????' asks for the effect's name.
    ASSERT_EQ(Routine<5>()(0x3F3F3F3F, 31, name), 0);
    EXPECT_EQ(PascalText(name), "Qor Kalvenor");
    // The group's own gestalt, whatever type is asked.
    EXPECT_EQ(Gestalt(1, 14), 1);
    EXPECT_EQ(Gestalt(5, 14), 1);
}

TEST_F(PlugInTypes, FiveTypesInRegistrationOrderWithTheirIdentityKindStemsAndGestalts)
{
    ASSERT_EQ(CountTypes(), 5);
    for (uint32_t number = 1; number <= 5; ++number) {
        const ExpectedType& expected = kExpectedTypes[number - 1];
        SCOPED_TRACE(expected.id);
        const bool realTime = expected.kind == 3;

        uint32_t manufacturer = 0;
        uint32_t typeID = 0;
        SFicTypeIdentity identity{};
        ASSERT_EQ(Routine<6>()(number, &manufacturer, &typeID, &identity), 0);
        EXPECT_EQ(manufacturer, FourCC("Qora"));
        EXPECT_EQ(typeID, FourCC(expected.id));
        EXPECT_EQ(identity.productID, FourCC("QKvp"));

        unsigned char name[256] = {};
        ASSERT_EQ(Routine<5>()(number, 31, name), 0);
        EXPECT_EQ(PascalText(name), "Qor Kalvenor");

        int32_t kind = 0;
        ASSERT_EQ(Routine<92>()(number, 0, &kind), 0);
        EXPECT_EQ(kind, expected.kind);

        int32_t stems[3] = {-1, -1, -1};
        ASSERT_EQ(Routine<137>()(number, 0, stems), 0);
        EXPECT_EQ(stems[0], expected.inputStem);
        EXPECT_EQ(stems[1], expected.outputStem);
        EXPECT_EQ(stems[2], 0);
        int16_t inputs = 0;
        int16_t outputs = 0;
        ASSERT_EQ(Routine<10>()(number, 0, &inputs), 0);
        ASSERT_EQ(Routine<17>()(number, 0, &outputs), 0);
        EXPECT_EQ(inputs, expected.inputStem + 1);
        EXPECT_EQ(outputs, expected.outputStem + 1);

        EXPECT_EQ(Gestalt(number, 8), 1);
        EXPECT_EQ(Gestalt(number, 48), realTime ? 1 : 0);
        EXPECT_EQ(Gestalt(number, 2), realTime ? 0 : 1);
        // Gestalt 5 answers the input channel count plus one.
        EXPECT_EQ(Gestalt(number, 5), expected.inputStem + 2);
        EXPECT_EQ(Gestalt(number, 21), 2) << "type setting";
        EXPECT_EQ(Gestalt(number, 32), 6) << "raw setting";
        EXPECT_EQ(Gestalt(number, 29), 1) << "stem formats given";
        EXPECT_EQ(Gestalt(number, 41), 0);
    }
}

TEST_F(PlugInTypes, TheHostFindsEachTypeByItsStems)
{
    // The host names a type by its number and asks for the one with its product, kind and stems.
    for (uint32_t number = 1; number <= 5; ++number) {
        const ExpectedType& expected = kExpectedTypes[number - 1];
        SCOPED_TRACE(expected.id);
        SFicPlugInSpec spec{};
        spec.manufacturerID = FourCC("Qora");
        spec.typeNumber = int32_t(number);
        ASSERT_EQ(Routine<138>()(&spec, expected.kind, expected.inputStem, expected.outputStem, -1, -1), 0);
        EXPECT_EQ(spec.typeID, FourCC(expected.id));
    }
}
