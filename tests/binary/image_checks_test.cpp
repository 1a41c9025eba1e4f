// The shipped images as the Windows builds made them, read on this machine:
// nothing is run, so the 32-bit build is checked where it cannot run too.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "image_checks.h"
#include "image_fixture.h"

namespace vix::binary {
namespace {

using Names = std::vector<std::string>;

bool SameLetters(std::string a, std::string b) {
    const auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return s;
    };
    return lower(std::move(a)) == lower(std::move(b));
}

class ShippedImage : public ImageTest {};

TEST_P(ShippedImage, IsBuiltForItsBuildsMachine) {
    EXPECT_EQ(image->Is64(), GetParam().build.is64);
    EXPECT_EQ(image->Machine(), GetParam().build.is64 ? 0x8664 : 0x014C);
    EXPECT_EQ((image->Characteristics() & pe::kDll) != 0, !IsProgram());
}

TEST_P(ShippedImage, HasASLRAndDEPAndLargeAddresses) {
    EXPECT_EQ(MissingSecurityFlags(*image), Names{}) << path;
}

TEST_P(ShippedImage, ImportsOnlyWhatEveryWindows10Has) {
    EXPECT_EQ(UnexpectedLibraries(*image, IsProgram()), Names{}) << path;
    EXPECT_EQ(MinGwRuntimeLibraries(*image), Names{}) << path;
}

TEST_P(ShippedImage, CarriesTheProductsVersionResource) {
    const auto resources = image->Resources();
    const pe::Resource* version = FindResource(resources, pe::kRtVersion, 1);
    ASSERT_NE(version, nullptr) << path << " has no version resource";
    const auto fixed = ReadVersionResource(version->data);
    ASSERT_TRUE(fixed) << "the version resource is no VS_VERSION_INFO";
    EXPECT_EQ(fixed->major, VIX_VERSION_MAJOR);
    EXPECT_EQ(fixed->minor, VIX_VERSION_MINOR);
    EXPECT_EQ(fixed->fileType, IsProgram() ? 1u : 2u) << "VFT_APP or VFT_DLL";
}

INSTANTIATE_TEST_SUITE_P(Builds, ShippedImage, ::testing::ValuesIn(kShippedImages), ImageName);

class HookLibraryImage : public ImageTest {};

TEST(HookLibraryContract, TheDefinitionFileAndTheHeaderNameTheSameFunctions) {
    EXPECT_EQ(DefinitionFileNames().size(), 11u);
    EXPECT_EQ(DefinitionFileNames(), ApiHeaderNames());
}

// Undecorated: "SetMainHandle", not "SetMainHandle@4" or "_SetMainHandle@4",
// in the 32-bit library as in the 64-bit one; none is exported by number only.
TEST_P(HookLibraryImage, ExportsExactlyTheContractsNames) {
    EXPECT_EQ(image->ExportNames(), DefinitionFileNames());
    EXPECT_EQ(image->ExportCount(), DefinitionFileNames().size());
}

INSTANTIATE_TEST_SUITE_P(Builds, HookLibraryImage, ::testing::ValuesIn(kHookLibraries), ImageName);

class ProgramImage : public ImageTest {};

// Bound at load time by name, so that the program starts with any build of
// the library that keeps the names.
TEST_P(ProgramImage, ImportsEachHookFunctionFromTheHookLibraryByName) {
    const auto imports = image->Imports();
    const auto hooks = std::find_if(imports.begin(), imports.end(), [](const auto& library) {
        return SameLetters(library.name, "Vix32.dll");
    });
    ASSERT_NE(hooks, imports.end()) << "vix.exe does not import Vix32.dll";
    Names names = hooks->names;
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, DefinitionFileNames());
    EXPECT_TRUE(hooks->ordinals.empty());
}

TEST_P(ProgramImage, ItsManifestSaysHowItRuns) {
    const auto resources = image->Resources();
    const pe::Resource* manifest = FindResource(resources, pe::kRtManifest, 1);
    ASSERT_NE(manifest, nullptr) << path << " has no manifest";
    EXPECT_EQ(ManifestProblems(
                  {reinterpret_cast<const char*>(manifest->data.data()), manifest->data.size()}),
              Names{});
}

INSTANTIATE_TEST_SUITE_P(Builds, ProgramImage, ::testing::ValuesIn(kPrograms), ImageName);

}  // namespace
}  // namespace vix::binary
