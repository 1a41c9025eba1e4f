// The package scripts/package made of each build: the installer, and the
// program and hook library in the zip (the very files the installer puts
// in place), each with an Authenticode signature that holds under the
// package's certificate. osslsigncode checks them here, without Wine.

#include <gtest/gtest.h>

#include <string>

#include "binary_images.h"

namespace vix::binary {
namespace {

class PackageTest : public ::testing::TestWithParam<Build> {
  protected:
    void SetUp() override {
        const auto dir = PackageDir(GetParam());
        if (!dir) GTEST_SKIP() << GetParam().name << " was not packaged in this run";
        root = *dir + "/test-certificate/root.pem";
        const std::string name = std::string("VIX-") + VIX_VERSION_TEXT + "-" + GetParam().name;
        installer = *dir + "/" + name + "-setup.exe";
        const std::string zip = *dir + "/" + name + ".zip";
        if (!FileExists(root) || !FileExists(zip))
            GTEST_SKIP() << "no package in " << *dir << " (scripts/package --build "
                         << GetParam().name << " --no-build --out " << *dir << ")";
        unpacked = *dir + "/unpacked";
        ASSERT_EQ(RunCommand("rm -rf " + Quoted(unpacked) + " && unzip -q " + Quoted(zip) + " -d " +
                             Quoted(unpacked)),
                  0);
    }
    bool Verifies(const std::string& file) const {
        return RunCommand("osslsigncode verify -CAfile " + Quoted(root) + " -in " + Quoted(file) +
                          " >/dev/null 2>&1") == 0;
    }

    std::string root, installer, unpacked;
};

TEST_P(PackageTest, EachPackagedFileIsSignedWithThePackagesCertificate) {
    for (const std::string& file :
         {installer, unpacked + "/VIX/vix.exe", unpacked + "/VIX/Vix32.dll"}) {
        ASSERT_TRUE(FileExists(file)) << file;
        EXPECT_TRUE(Verifies(file)) << file << ": osslsigncode verify -CAfile " << root;
    }
}

// The check can fail: one byte of the signed program changed, and the
// signature no longer holds.
TEST_P(PackageTest, AFileChangedAfterSigningFailsTheCheck) {
    const std::string program = unpacked + "/VIX/vix.exe";
    auto bytes = ReadBytes(program);
    bytes[bytes.size() / 3] ^= 0x01;
    const std::string changed = unpacked + "/changed.exe";
    WriteBytes(changed, bytes);
    EXPECT_TRUE(Verifies(program));
    EXPECT_FALSE(Verifies(changed));
}

INSTANTIATE_TEST_SUITE_P(Builds, PackageTest, ::testing::Values(kWin32, kWin64),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vix::binary
