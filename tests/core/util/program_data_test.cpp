#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"
#include "util/program_data.h"

namespace {

class ProgramData : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(m_dir.Path("bin"));
        std::filesystem::create_directories(m_dir.Path("share/rooster2"));
    }
    std::string Found(const std::string& name) const {
        return std::filesystem::path(ProgramDataFolder(m_dir.Path("bin"), name))
            .lexically_normal()
            .string();
    }
    std::string Normal(const std::string& name) const {
        return std::filesystem::path(m_dir.Path(name)).lexically_normal().string();
    }
    TempDir m_dir;
};

TEST_F(ProgramData, TheBuildTreeKeepsTheFileBesideTheProgram) {
    WriteFileOrFail(m_dir.Path("bin/zwart.gif"), "zwart");
    WriteFileOrFail(m_dir.Path("share/rooster2/zwart.gif"), "zwart");
    EXPECT_EQ(Normal("bin"), Found("zwart.gif"));
}

TEST_F(ProgramData, AnInstalledProgramFindsItInItsShareFolder) {
    WriteFileOrFail(m_dir.Path("share/rooster2/grijs.gif"), "grijs");
    EXPECT_EQ(Normal("share/rooster2"), Found("grijs.gif"));
}

TEST_F(ProgramData, AMissingFileIsSoughtBesideTheProgram) {
    EXPECT_EQ(m_dir.Path("bin"), ProgramDataFolder(m_dir.Path("bin"), "grijs.gif"));
}

}  // namespace
