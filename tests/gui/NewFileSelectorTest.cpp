// The file selector: what create() hands out, and on Linux zenity, or kdialog where zenity is missing, found on PATH
// and run without a shell. Fake programs of those names record their arguments and answer as told.
#include <gtest/gtest.h>

#include "gui/CNewFileSelector.h"

namespace {

TEST(FileSelector, WithoutAFrameThereIsNoSelectorUnlessAFactoryIsInstalled)
{
    EXPECT_EQ(CNewFileSelector::create(nullptr, CNewFileSelector::kSelectFile), nullptr);
    int made = 0;
    CNewFileSelector::setFactory([&made](CNewFileSelector::Style style) {
        ++made;
        return CNewFileSelector::createNative(style);
    });
    auto selector = CNewFileSelector::create(nullptr, CNewFileSelector::kSelectSaveFile);
    CNewFileSelector::setFactory(nullptr);
    ASSERT_NE(selector, nullptr);
    EXPECT_EQ(selector->getStyle(), CNewFileSelector::kSelectSaveFile);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(CNewFileSelector::create(nullptr), nullptr);
}

}  // namespace

#ifndef _WIN32

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gui/CNewFileSelector.h"
#include "tests/platform/PlatformTestSupport.h"
#include "tests/support/ScratchFolder.h"

namespace {

using scratchtest::ScratchFolder;

// A folder that is all of PATH, holding fake dialog programs.
class FakeDialogs
{
public:
    FakeDialogs() : path_("PATH", folder_.path().c_str()) {}

    // A program that writes each argument on a line of its own to <name>.args, prints `output` and exits with code.
    void add(const std::string& name, const std::string& output, int code)
    {
        const std::string program = folder_.file(name);
        {
            std::ofstream script(program);
            script << "#!/bin/sh\n"
                   << "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" << folder_.file(name + ".args") << "'\n"
                   << "printf '%s' '" << output << "'\n"
                   << "exit " << code << "\n";
        }
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    }

    std::vector<std::string> arguments(const std::string& name) const
    {
        std::vector<std::string> lines;
        std::ifstream in(folder_.file(name + ".args"));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

private:
    ScratchFolder folder_;
    platformtest::ScopedEnv path_;
};

std::unique_ptr<CNewFileSelector> presetSelector(CNewFileSelector::Style style)
{
    std::unique_ptr<CNewFileSelector> selector = CNewFileSelector::createNative(style);
    selector->setTitle(style == CNewFileSelector::kSelectFile ? "Load preset" : "Save preset");
    selector->setInitialDirectory("/home/anna/My presets");
    if (style == CNewFileSelector::kSelectSaveFile) {
        selector->setDefaultSaveName("Lead");
        selector->setDefaultExtension(CFileExtension("Qor Preset", "qor"));
    } else {
        selector->addFileExtension(CFileExtension("Qor Preset", "qor"));
    }
    return selector;
}

TEST(PosixFileSelector, ZenityOpensWithTitleFolderAndFileType)
{
    FakeDialogs dialogs;
    dialogs.add("zenity", "/home/anna/My presets/Drums; rm -rf ~.qor\n", 0);
    auto selector = presetSelector(CNewFileSelector::kSelectFile);
    ASSERT_TRUE(selector->runModal());
    ASSERT_EQ(selector->getNumSelectedFiles(), 1);
    EXPECT_STREQ(selector->getSelectedFile(0), "/home/anna/My presets/Drums; rm -rf ~.qor");
    EXPECT_EQ(selector->getSelectedFile(1), nullptr);
    EXPECT_EQ(dialogs.arguments("zenity"),
              (std::vector<std::string>{"--file-selection", "--title=Load preset", "--filename=/home/anna/My presets/",
                                        "--file-filter=Qor Preset | *.qor"}));
}

TEST(PosixFileSelector, ZenitySavesWithOverwriteCheckAndTheDefaultExtension)
{
    struct Case
    {
        const char* answer;
        const char* chosen;
    };
    const Case cases[] = {
        {"/tmp/x/Lead\n", "/tmp/x/Lead.qor"},
        {"/tmp/x/Lead.qor\n", "/tmp/x/Lead.qor"},
        {"/tmp/x/Lead.txt\n", "/tmp/x/Lead.txt"},
        {"/tmp/x.y/.hidden\n", "/tmp/x.y/.hidden.qor"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        FakeDialogs dialogs;
        dialogs.add("zenity", c.answer, 0);
        auto selector = presetSelector(CNewFileSelector::kSelectSaveFile);
        ASSERT_TRUE(selector->runModal());
        EXPECT_STREQ(selector->getSelectedFile(0), c.chosen);
        EXPECT_EQ(dialogs.arguments("zenity"),
                  (std::vector<std::string>{"--file-selection", "--save", "--confirm-overwrite", "--title=Save preset",
                                            "--filename=/home/anna/My presets/Lead.qor",
                                            "--file-filter=Qor Preset | *.qor"}));
    }
}

TEST(PosixFileSelector, KDialogWhenZenityIsMissing)
{
    FakeDialogs dialogs;
    dialogs.add("kdialog", "/home/anna/Bank.qrb\n", 0);
    auto selector = CNewFileSelector::createNative(CNewFileSelector::kSelectFile);
    selector->setTitle("Load bank");
    selector->setInitialDirectory("/home/anna");
    selector->addFileExtension(CFileExtension("Qor Bank", "qrb"));
    ASSERT_TRUE(selector->runModal());
    EXPECT_STREQ(selector->getSelectedFile(0), "/home/anna/Bank.qrb");
    EXPECT_EQ(dialogs.arguments("kdialog"), (std::vector<std::string>{"--title", "Load bank", "--getopenfilename",
                                                                       "/home/anna/", "*.qrb|Qor Bank"}));
}

TEST(PosixFileSelector, CancelOrNoDialogChoosesNothing)
{
    struct Case
    {
        const char* label;
        const char* zenityAnswer;  // null: no zenity
        int code;
    };
    const Case cases[] = {
        {"cancelled", "", 1},
        {"a dialog that could not show itself", "", 255},
        {"an empty answer", "\n", 0},
        {"two lines", "/a.qor\n/b.qor\n", 0},
        {"no dialog program at all", nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        FakeDialogs dialogs;
        if (c.zenityAnswer)
            dialogs.add("zenity", c.zenityAnswer, c.code);
        auto selector = presetSelector(CNewFileSelector::kSelectFile);
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(selector->runModal());
        const std::string messages = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(selector->getNumSelectedFiles(), 0);
        if (!c.zenityAnswer) {
            EXPECT_NE(messages.find("install zenity or kdialog"), std::string::npos) << messages;
        }
    }
}

}  // namespace

#endif
