// Finding one's own module, naming shared libraries, the library search folder, and the message log of the tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Library.h"
#include "platform/MessageBox.h"
#include "platform/ModulePath.h"
#include "tests/support/ScratchFolder.h"

namespace {

void localFunction() {}

TEST(ModulePath, OwnCodeLiesInThisTestProgram)
{
    std::string path;
    int error = 0;
    ASSERT_TRUE(platform::modulePathOf(reinterpret_cast<const void*>(&localFunction), path, error)) << error;
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::u8path(path))) << path;
    EXPECT_NE(path.find("qor_unit_tests"), std::string::npos) << path;
    EXPECT_EQ(path.rfind(platform::pathSeparator()) != std::string::npos, true);
}

TEST(ModulePath, SharedLibraryFileNames)
{
#if defined(_WIN32)
    EXPECT_EQ(platform::Library::fileName("Qor Kalvenor"), "Qor Kalvenor.dll");
#else
    EXPECT_EQ(platform::Library::fileName("Qor Kalvenor"), "Qor Kalvenor.so");
#endif
}

TEST(ModulePath, FailedLoadKeepsTheSystemsErrorNumber)
{
    platform::Library library;
    EXPECT_FALSE(library.open(platform::Library::fileName("no such library here")));
    EXPECT_NE(library.errorCode(), 0);
    EXPECT_FALSE(library.error().empty());
}

TEST(MessageLog, MessagesGoToTheNamedFileInsteadOfTheScreen)
{
    scratchtest::ScratchFolder folder;
    const std::string log = folder.file("messages.txt");
#if defined(_WIN32)
    _putenv_s("QOR_MESSAGE_LOG", log.c_str());
#else
    setenv("QOR_MESSAGE_LOG", log.c_str(), 1);
#endif
    platform::showMessage("", "Plug-in core lib failed to load.");
    platform::showMessage("Title", "second");
#if defined(_WIN32)
    _putenv_s("QOR_MESSAGE_LOG", "");
#else
    unsetenv("QOR_MESSAGE_LOG");
#endif
    EXPECT_FALSE(platform::logMessageForTests("", "not logged"));
    std::ifstream in(std::filesystem::u8path(log));
    std::string first, second, third;
    std::getline(in, first);
    std::getline(in, second);
    EXPECT_EQ(first, "\tPlug-in core lib failed to load.");
    EXPECT_EQ(second, "Title\tsecond");
    EXPECT_FALSE(std::getline(in, third));
}

}  // namespace
