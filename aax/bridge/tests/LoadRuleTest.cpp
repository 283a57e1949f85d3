// Where the plug-in looks for the effect, from the path of its own file.
#include <gtest/gtest.h>

#include "aax/bridge/EffectLoadRule.h"

namespace {

TEST(EffectLoadRule, PathsAndSearchDirectoryFromTheModulesFolder)
{
    struct Case
    {
        const char* name;
        const char* module;
        char separator;
        const char* loadPath;
        const char* searchDirectory;
    } cases[] = {
        {"folder below Plug-Ins", "C:\\Pro\\Plug-Ins\\Sub\\Qor Kalvenor.aaxplugin", '\\', "Sub\\Qor Kalvenor.dll",
         "C:\\Pro\\Plug-Ins"},
        {"bundle below Plug-Ins",
         "C:\\Program Files\\Common Files\\Plug-Ins\\Qor Kalvenor.aaxplugin\\Contents\\x64\\Qor Kalvenor.aaxplugin",
         '\\', "Qor Kalvenor.aaxplugin\\Contents\\x64\\Qor Kalvenor.dll", "C:\\Program Files\\Common Files\\Plug-Ins"},
        {"directly in Plug-Ins", "D:\\Plug-Ins\\Qor Kalvenor.aaxplugin", '\\', "Qor Kalvenor.dll", "D:\\Plug-Ins"},
        {"no Plug-Ins folder", "C:\\Effects\\Qor Kalvenor.aaxplugin", '\\', "C:\\Effects\\Qor Kalvenor.dll", ""},
        {"other case is not the folder", "C:\\plug-ins\\Qor Kalvenor.aaxplugin", '\\',
         "C:\\plug-ins\\Qor Kalvenor.dll", ""},
        {"POSIX paths", "/opt/Plug-Ins/Sub/Qor Kalvenor.aaxplugin", '/', "Sub/Qor Kalvenor.dll", "/opt/Plug-Ins"},
        {"no folder at all", "Qor Kalvenor.aaxplugin", '\\', "Qor Kalvenor.dll", ""},
    };
    for (const Case& c : cases)
    {
        const EffectLoadPlan plan = planEffectLoad(true, c.module, c.separator, "Qor Kalvenor.dll");
        EXPECT_EQ(plan.loadPath, c.loadPath) << c.name;
        EXPECT_TRUE(plan.setSearchDirectory) << c.name;
        EXPECT_EQ(plan.searchDirectory, c.searchDirectory) << c.name;
    }
}

TEST(EffectLoadRule, WithoutItsOwnModuleTheLoadIsTriedWithAnEmptyPathAndTheSearchIsLeftAlone)
{
    // A bare file name would have the system search for it, where a planted file of that name could be loaded.
    const EffectLoadPlan plan = planEffectLoad(false, "", '\\', "Qor Kalvenor.dll");
    EXPECT_EQ(plan.loadPath, "");
    EXPECT_FALSE(plan.setSearchDirectory);
}

}  // namespace
