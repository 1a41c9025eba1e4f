#include "settings/read_only_registry.h"

#include <gtest/gtest.h>

#include "memory_registry.h"
#include "settings/settings_store.h"

namespace vix {
namespace {

// The one-shot commands load the settings as a start does, through a
// registry that must keep every write to itself.
TEST(ReadOnlyRegistry, AFirstLoadGetsTheDefaultsAndCreatesNothing) {
    MemoryRegistry real;
    ReadOnlyRegistry registry(real);
    Settings settings;
    EXPECT_TRUE(LoadSettingsKey(registry, settings).keyOpened);
    EXPECT_EQ(settings.jpegQuality, 10);
    EXPECT_EQ(settings.clipboardFormat, 0);
    EXPECT_FALSE(real.HasKey(RegistryRoot::CurrentUser, kSettingsKeyPath));
    EXPECT_EQ(real.writes, 0);
    EXPECT_FALSE(registry.DeleteTree(RegistryRoot::CurrentUser, kSettingsKeyPath));
}

TEST(ReadOnlyRegistry, StoredValuesAreReadAndAWrongTypeGetsItsDefaultUnwritten) {
    MemoryRegistry real;
    real.Set(RegistryRoot::CurrentUser, kSettingsKeyPath, L"CPExportFormat",
             RegistryValue::Dword(6));
    real.Set(RegistryRoot::CurrentUser, kSettingsKeyPath, L"JPGQuality",
             RegistryValue::Text(L"high"));
    const int writesBefore = real.writes;
    ReadOnlyRegistry registry(real);
    Settings settings;
    LoadSettingsKey(registry, settings);
    EXPECT_EQ(settings.clipboardFormat, 6);
    EXPECT_EQ(settings.jpegQuality, 10);
    EXPECT_EQ(real.writes, writesBefore);
    EXPECT_EQ(real.Get(RegistryRoot::CurrentUser, kSettingsKeyPath, L"JPGQuality"),
              RegistryValue::Text(L"high"));
    // A key asked for as it is stays absent.
    EXPECT_FALSE(registry.Open(RegistryRoot::CurrentUser, L"Software\\None", OpenMode::Existing));
}

}  // namespace
}  // namespace vix
