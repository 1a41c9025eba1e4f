#include "settings/read_only_registry.h"

#include <gtest/gtest.h>

#include "memory_registry.h"
#include "settings/settings_store.h"

namespace vix {
namespace {

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

// The one-shot commands load the settings as a start does, through a
// registry that keeps every write to itself: on a first load, and over a
// stored number and a text where a number belongs, which a load replaces.
TEST(ReadOnlyRegistry, ALoadReadsWhatIsStoredAndGetsTheDefaultsWithoutWriting) {
    for (const bool stored : {false, true}) {
        MemoryRegistry real;
        if (stored) {
            real.Set(kUser, kSettingsKeyPath, L"CPExportFormat", RegistryValue::Dword(6));
            real.Set(kUser, kSettingsKeyPath, L"JPGQuality", RegistryValue::Text(L"high"));
        }
        const int writesBefore = real.writes;
        ReadOnlyRegistry registry(real);
        Settings settings;
        EXPECT_TRUE(LoadSettingsKey(registry, settings).keyOpened) << stored;
        EXPECT_EQ(settings.clipboardFormat, stored ? 6 : 0);
        EXPECT_EQ(settings.jpegQuality, 10);
        EXPECT_EQ(real.writes, writesBefore);
        EXPECT_EQ(real.HasKey(kUser, kSettingsKeyPath), stored);
        EXPECT_FALSE(registry.DeleteTree(kUser, kSettingsKeyPath));
        EXPECT_FALSE(registry.Open(kUser, L"Software\\None", OpenMode::Existing));
    }
}

}  // namespace
}  // namespace vix
