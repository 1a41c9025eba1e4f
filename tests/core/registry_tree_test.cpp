// Registry trees for the tests: copies, keys kept aside and put back, and
// fixed key paths moved below a test's own key.

#include "registry_tree.h"

#include <gtest/gtest.h>

#include "memory_registry.h"
#include "prefixed_registry.h"

namespace vix::test {
namespace {

constexpr auto kUser = RegistryRoot::CurrentUser;
constexpr wchar_t kVendor[] = L"Software\\Vendor";
constexpr wchar_t kBackup[] = L"Software\\VixTests\\Saved";

MemoryRegistry UsersRegistry() {
    MemoryRegistry r;
    r.Set(kUser, L"Software\\Vendor\\App\\Settings", L"LastX", RegistryValue::Dword(40));
    r.Set(kUser, L"Software\\Vendor\\App\\Color Library", L"Sampled colors",
          RegistryValue::Binary(std::vector<std::uint8_t>(106, 7)));
    r.Set(kUser, L"Software\\Vendor", L"Top", RegistryValue::Text(L"kept"));
    return r;
}

void ExpectUsersKeys(const MemoryRegistry& r) {
    EXPECT_EQ(r.Get(kUser, L"Software\\Vendor\\App\\Settings", L"LastX"), RegistryValue::Dword(40));
    EXPECT_EQ(r.Get(kUser, L"Software\\Vendor\\App\\Color Library", L"Sampled colors"),
              RegistryValue::Binary(std::vector<std::uint8_t>(106, 7)));
    EXPECT_EQ(r.Get(kUser, kVendor, L"Top"), RegistryValue::Text(L"kept"));
}

TEST(CopyTree, CopiesValuesAndSubkeysAtEveryDepth) {
    MemoryRegistry r = UsersRegistry();
    EXPECT_TRUE(CopyTree(r, kUser, kVendor, L"Software\\Copy"));
    EXPECT_EQ(r.Get(kUser, L"Software\\Copy\\App\\Settings", L"LastX"), RegistryValue::Dword(40));
    EXPECT_EQ(r.Get(kUser, L"Software\\Copy", L"Top"), RegistryValue::Text(L"kept"));
    EXPECT_FALSE(CopyTree(r, kUser, L"Software\\Nothing", L"Software\\Copy2"));
    EXPECT_FALSE(r.HasKey(kUser, L"Software\\Copy2"));
}

TEST(SavedKey, TheUsersKeysComeBackAsTheyWereWhateverTheTestDid) {
    MemoryRegistry r = UsersRegistry();
    {
        SavedKey saved(r, kUser, kVendor, kBackup);
        r.DeleteTree(kUser, L"Software\\Vendor\\App");  // a test's first start
        r.Set(kUser, L"Software\\Vendor\\App\\Settings", L"LastX", RegistryValue::Dword(231));
        r.Set(kUser, L"Software\\Vendor\\App\\Settings", L"New", RegistryValue::Dword(1));
    }
    ExpectUsersKeys(r);
    EXPECT_FALSE(r.Get(kUser, L"Software\\Vendor\\App\\Settings", L"New").has_value());
    EXPECT_FALSE(r.HasKey(kUser, kBackup)) << "the copy is removed";
}

TEST(SavedKey, AKeyThatWasAbsentIsAbsentAgain) {
    MemoryRegistry r;
    {
        SavedKey saved(r, kUser, kVendor, kBackup);
        r.Set(kUser, L"Software\\Vendor\\App\\Settings", L"LastX", RegistryValue::Dword(1));
    }
    EXPECT_FALSE(r.HasKey(kUser, kVendor));
    EXPECT_FALSE(r.HasKey(kUser, kBackup));
}

TEST(SavedKey, ARunThatDiedLeavesTheUsersCopyForTheNextRunToPutBack) {
    MemoryRegistry r = UsersRegistry();
    {
        SavedKey dying(r, kUser, kVendor, kBackup);
        r.DeleteTree(kUser, kVendor);
        r.Set(kUser, kVendor, L"Top", RegistryValue::Text(L"test's"));
        // The process ends here without restoring...
        EXPECT_TRUE(r.HasKey(kUser, kBackup));
        // ... which the next run stands in for: it must not save the test's state.
        SavedKey next(r, kUser, kVendor, kBackup);
        next.Restore();
        ExpectUsersKeys(r);
    }
    ExpectUsersKeys(r);
}

TEST(SavedKey, AnIncompleteCopyIsNeverPutBack) {
    MemoryRegistry r = UsersRegistry();
    // A copy cut off half-way, without its completion mark.
    r.Set(kUser, L"Software\\VixTests\\Saved\\Tree", L"Top", RegistryValue::Text(L"partial"));
    {
        SavedKey saved(r, kUser, kVendor, kBackup);
        r.DeleteTree(kUser, kVendor);
    }
    ExpectUsersKeys(r);
}

TEST(PrefixedRegistry, EveryRootLivesBelowTheTestsOwnKey) {
    MemoryRegistry inner;
    PrefixedRegistry r(inner, L"Software\\VixTests\\Case");
    r.Open(RegistryRoot::CurrentUser, L"Software\\Vendor\\App", OpenMode::Create)
        ->Write(L"v", RegistryValue::Dword(1));
    r.Open(RegistryRoot::LocalMachine, L"\\SOFTWARE\\Adobe", OpenMode::Create);
    EXPECT_EQ(inner.Get(kUser, L"Software\\VixTests\\Case\\HKCU\\Software\\Vendor\\App", L"v"),
              RegistryValue::Dword(1));
    EXPECT_TRUE(inner.HasKey(kUser, L"Software\\VixTests\\Case\\HKLM\\SOFTWARE\\Adobe"));
    EXPECT_FALSE(inner.HasKey(kUser, L"Software\\Vendor"));
    EXPECT_FALSE(inner.HasKey(RegistryRoot::LocalMachine, L"SOFTWARE"));
    EXPECT_TRUE(r.DeleteTree(RegistryRoot::CurrentUser, L"Software"));
    EXPECT_FALSE(inner.HasKey(kUser, L"Software\\VixTests\\Case\\HKCU\\Software"));
}

}  // namespace
}  // namespace vix::test
