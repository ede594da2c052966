#include "util/program_data.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"
#include "util/native_path.h"

namespace {

class ProgramData : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(NativePath(Path("bin")));
        std::filesystem::create_directories(NativePath(Path("share/rooster2")));
    }
    // Installed under a folder whose name is not ASCII, as a user's own folder may be.
    std::string Path(const std::string& name) const { return m_dir.Path("caf\xc3\xa9/" + name); }
    std::string Found(const std::string& name) const {
        return PathText(NativePath(ProgramDataFolder(Path("bin"), name)).lexically_normal());
    }
    std::string Normal(const std::string& name) const {
        return PathText(NativePath(Path(name)).lexically_normal());
    }
    TempDir m_dir;
};

TEST_F(ProgramData, TheFileIsSoughtBesideTheProgramThenInItsShareFolder) {
    EXPECT_EQ(Path("bin"), ProgramDataFolder(Path("bin"), "grijs.gif"));  // found nowhere
    WriteFileOrFail(Path("share/rooster2/grijs.gif"), "grijs");
    EXPECT_EQ(Normal("share/rooster2"), Found("grijs.gif"));  // installed
    WriteFileOrFail(Path("bin/grijs.gif"), "grijs");
    EXPECT_EQ(Normal("bin"), Found("grijs.gif"));  // the build tree
}

TEST_F(ProgramData, TheWordListSetIsFoundInTheBuildTreeAndOnceInstalled) {
    EXPECT_EQ(InstalledWordListFile(Path("bin")), "");
    for (const char* folder : {"share/rooster2/wordlists", "build/wordlists", "build/src/cli"})
        std::filesystem::create_directories(NativePath(Path(folder)));
    WriteFileOrFail(Path("share/rooster2/wordlists/nl05.doc"), "HUIS\r\n");
    EXPECT_EQ(InstalledWordListFile(Path("bin")), Normal("share/rooster2/wordlists/nl05.doc"));
    WriteFileOrFail(Path("build/wordlists/nl05.doc"), "HUIS\r\n");
    EXPECT_EQ(InstalledWordListFile(Path("build/src/cli")), Normal("build/wordlists/nl05.doc"));
}

}  // namespace
