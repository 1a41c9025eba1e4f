// The image reader and the image rules on spoiled copies of the real
// images: each rule that holds on the image as built must fail on a copy
// that breaks it, and the reader must read where the format says, found
// here from the format's fixed offsets rather than by the reader.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "image_checks.h"
#include "image_fixture.h"

namespace vix::binary {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

std::size_t PeHeader(const Bytes& bytes) {
    std::uint32_t at = 0;
    std::memcpy(&at, bytes.data() + 0x3C, 4);  // e_lfanew, little-endian like this host
    return at;
}
// IMAGE_FILE_HEADER.Characteristics: after "PE\0\0" and 18 bytes.
std::size_t CharacteristicsAt(const Bytes& bytes) { return PeHeader(bytes) + 4 + 18; }
// IMAGE_OPTIONAL_HEADER.DllCharacteristics: 70 bytes into it, in both kinds.
std::size_t DllCharacteristicsAt(const Bytes& bytes) { return PeHeader(bytes) + 4 + 20 + 70; }

Bytes WithBitCleared(Bytes bytes, std::size_t at, std::uint16_t bit) {
    bytes[at] = static_cast<std::uint8_t>(bytes[at] & ~(bit & 0xFF));
    bytes[at + 1] = static_cast<std::uint8_t>(bytes[at + 1] & ~(bit >> 8));
    return bytes;
}

// Every occurrence of `from` becomes `to`, of the same length; how many
// there were.
int Replace(Bytes& bytes, const Bytes& from, const Bytes& to) {
    int count = 0;
    for (auto it = std::search(bytes.begin(), bytes.end(), from.begin(), from.end());
         it != bytes.end(); it = std::search(it + 1, bytes.end(), from.begin(), from.end())) {
        std::copy(to.begin(), to.end(), it);
        ++count;
    }
    return count;
}

// The program's own version reader holds the key too; the resource section
// comes after the data, so its copy is the last.
bool ReplaceLast(Bytes& bytes, const Bytes& from, const Bytes& to) {
    const auto it = std::find_end(bytes.begin(), bytes.end(), from.begin(), from.end());
    if (it == bytes.end()) return false;
    std::copy(to.begin(), to.end(), it);
    return true;
}

Bytes Ascii(std::string_view text, bool terminated = true) {
    Bytes bytes(text.begin(), text.end());
    if (terminated) bytes.push_back(0);
    return bytes;
}

Bytes Utf16(std::string_view text) {
    Bytes bytes;
    for (char c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c));
        bytes.push_back(0);
    }
    return bytes;
}

TEST(PeImage, RefusesWhatIsNoImage) {
    Bytes mzOnly(64, 0);
    mzOnly[0] = 'M';
    mzOnly[1] = 'Z';
    Bytes pointsPastTheEnd = mzOnly;
    pointsPastTheEnd[0x3C] = 0xF0;
    Bytes unknownOptionalHeader(512, 0);
    std::copy(mzOnly.begin(), mzOnly.end(), unknownOptionalHeader.begin());
    unknownOptionalHeader[0x3C] = 0x40;
    const Bytes pe = Ascii("PE", false);
    std::copy(pe.begin(), pe.end(), unknownOptionalHeader.begin() + 0x40);
    const struct {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"nothing", {}},
        {"a DOS header without a PE header", mzOnly},
        {"a PE header past the end", pointsPastTheEnd},
        {"an optional header of no known kind", unknownOptionalHeader},
        {"text", Ascii("MZ is not enough")},
    };
    for (const auto& c : cases)
        EXPECT_THROW(pe::PeImage{c.bytes}, pe::PeError) << c.what;
}

class SpoiledCopy : public ImageTest {};

TEST_P(SpoiledCopy, EachFlagIsReadWhereTheFormatPutsItAndItsAbsenceNamed) {
    const struct {
        const char* name;
        std::size_t at;
        std::uint16_t bit;
        bool only64;
    } flags[] = {
        {"DYNAMIC_BASE", DllCharacteristicsAt(bytes), pe::kDynamicBase, false},
        {"NX_COMPAT", DllCharacteristicsAt(bytes), pe::kNxCompat, false},
        {"HIGH_ENTROPY_VA", DllCharacteristicsAt(bytes), pe::kHighEntropyVa, true},
        {"LARGE_ADDRESS_AWARE", CharacteristicsAt(bytes), pe::kLargeAddressAware, false},
    };
    ASSERT_EQ(MissingSecurityFlags(*image), Names{}) << "the image as built has every flag";
    for (const auto& flag : flags) {
        if (flag.only64 && !image->Is64()) continue;
        SCOPED_TRACE(flag.name);
        const pe::PeImage copy(WithBitCleared(bytes, flag.at, flag.bit));
        const bool inFileHeader = flag.at == CharacteristicsAt(bytes);
        const auto cleared = [&](std::uint16_t value, bool here) {
            return static_cast<std::uint16_t>(here ? value & ~flag.bit : value);
        };
        EXPECT_EQ(copy.Characteristics(), cleared(image->Characteristics(), inFileHeader));
        EXPECT_EQ(copy.DllCharacteristics(), cleared(image->DllCharacteristics(), !inFileHeader));
        EXPECT_EQ(MissingSecurityFlags(copy), Names{flag.name});
    }
}

TEST_P(SpoiledCopy, AnImportedLibraryOutsideTheSystemsIsNamed) {
    Bytes copy = bytes;
    // Same lengths: the tables stay whole.
    ASSERT_GT(Replace(copy, Ascii("KERNEL32.dll"), Ascii("libgcc_s.dll")), 0);
    ASSERT_GT(Replace(copy, Ascii("USER32.dll"), Ascii("USERXX.dll")), 0);
    const pe::PeImage spoiled(copy);
    Names unexpected = UnexpectedLibraries(spoiled, IsProgram());
    std::sort(unexpected.begin(), unexpected.end());
    EXPECT_EQ(unexpected, (Names{"USERXX.dll", "libgcc_s.dll"}));
    EXPECT_EQ(MinGwRuntimeLibraries(spoiled), Names{"libgcc_s.dll"});
    EXPECT_EQ(UnexpectedLibraries(*image, false).empty(), !IsProgram())
        << "only the program may import the hook library";
}

TEST_P(SpoiledCopy, ACutImageIsRefusedRatherThanReadPastItsEnd) {
    // The resources come near the end of the file: cut it in half.
    const Bytes cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() / 2));
    EXPECT_THROW(
        {
            const pe::PeImage image(cut);
            image.Resources();
            image.Imports();
        },
        pe::PeError);
}

TEST_P(SpoiledCopy, AChangedVersionResourceIsNoVersionResource) {
    Bytes copy = bytes;
    ASSERT_TRUE(ReplaceLast(copy, Utf16("VS_VERSION_INFO"), Utf16("VS_VERSION_INFX")));
    const auto resources = pe::PeImage(copy).Resources();
    const pe::Resource* version = FindResource(resources, pe::kRtVersion, 1);
    ASSERT_NE(version, nullptr);
    EXPECT_FALSE(ReadVersionResource(version->data));
}

INSTANTIATE_TEST_SUITE_P(Builds, SpoiledCopy, ::testing::ValuesIn(kShippedImages), ImageName);

class SpoiledHookLibrary : public ImageTest {};

TEST_P(SpoiledHookLibrary, ARenamedExportIsReadAsRenamed) {
    Bytes copy = bytes;
    ASSERT_EQ(Replace(copy, Ascii("SetMainHandle"), Ascii("SetMainHandlX")), 1);
    Names expected = DefinitionFileNames();
    std::replace(expected.begin(), expected.end(), std::string("SetMainHandle"),
                 std::string("SetMainHandlX"));
    std::sort(expected.begin(), expected.end());
    Names exported = pe::PeImage(copy).ExportNames();
    std::sort(exported.begin(), exported.end());
    EXPECT_EQ(exported, expected);
}

INSTANTIATE_TEST_SUITE_P(Builds, SpoiledHookLibrary, ::testing::ValuesIn(kHookLibraries),
                         ImageName);

class SpoiledProgram : public ImageTest {};

TEST_P(SpoiledProgram, EachBrokenManifestRuleIsNamed) {
    const struct {
        const char* rule;
        const char* from;
        const char* to;
    } cases[] = {
        {"runs as the user who starts it (asInvoker)", "\"asInvoker\"", "\"asInvokeX\""},
        {"names Windows 10 and 11 as supported", "8e0f7a12-bfb3", "8e0f7a12-bfb4"},
        {"is aware of each monitor's DPI (PerMonitorV2 first)", ">PerMonitorV2,", ">PerMonitorV3,"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        Bytes copy = bytes;
        ASSERT_EQ(Replace(copy, Ascii(c.from, false), Ascii(c.to, false)), 1);
        const auto resources = pe::PeImage(copy).Resources();
        const pe::Resource* manifest = FindResource(resources, pe::kRtManifest, 1);
        ASSERT_NE(manifest, nullptr);
        EXPECT_EQ(ManifestProblems({reinterpret_cast<const char*>(manifest->data.data()),
                                    manifest->data.size()}),
                  Names{c.rule});
    }
}

INSTANTIATE_TEST_SUITE_P(Builds, SpoiledProgram, ::testing::ValuesIn(kPrograms), ImageName);

}  // namespace
}  // namespace vix::binary
