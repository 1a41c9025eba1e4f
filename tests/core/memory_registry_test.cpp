#include "common/memory_registry.h"

#include <gtest/gtest.h>

namespace vix {
namespace {

constexpr auto kUser = RegistryRoot::CurrentUser;

TEST(MemoryRegistry, KeysAndValueNamesIgnoreCase) {
    MemoryRegistry registry;
    registry.Set(kUser, L"Software\\A", L"Value", RegistryValue::Dword(5));
    auto key = registry.Open(kUser, L"SOFTWARE\\a", OpenMode::Existing);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->Read(L"VALUE"), RegistryValue::Dword(5));
    EXPECT_EQ(key->ValueNames(), std::vector<std::wstring>{L"Value"});
}

TEST(MemoryRegistry, ExistingModeDoesNotCreate) {
    MemoryRegistry registry;
    EXPECT_EQ(registry.Open(kUser, L"Software\\B", OpenMode::Existing), nullptr);
    EXPECT_FALSE(registry.HasKey(kUser, L"Software\\B"));
    EXPECT_NE(registry.Open(kUser, L"Software\\B", OpenMode::Create), nullptr);
    EXPECT_TRUE(registry.HasKey(kUser, L"Software"));
}

TEST(MemoryRegistry, SubkeysAreListedOnceAndDeleteTreeTakesThemAll) {
    MemoryRegistry registry;
    registry.Set(RegistryRoot::LocalMachine, L"SOFTWARE\\Adobe\\Photoshop\\9.0\\x", L"v",
                 RegistryValue::Dword(1));
    registry.Set(RegistryRoot::LocalMachine, L"SOFTWARE\\Adobe\\Photoshop\\8.0", L"v",
                 RegistryValue::Dword(1));
    auto key = registry.Open(RegistryRoot::LocalMachine, L"SOFTWARE\\Adobe\\Photoshop",
                             OpenMode::Existing);
    EXPECT_EQ(key->SubkeyNames(), (std::vector<std::wstring>{L"8.0", L"9.0"}));
    EXPECT_TRUE(registry.DeleteTree(RegistryRoot::LocalMachine, L"SOFTWARE\\Adobe"));
    EXPECT_FALSE(registry.HasKey(RegistryRoot::LocalMachine, L"SOFTWARE\\Adobe\\Photoshop\\8.0"));
    EXPECT_TRUE(registry.HasKey(RegistryRoot::LocalMachine, L"SOFTWARE"));
}

TEST(RegistryValue, NumbersNeedExactlyFourBytes) {
    EXPECT_EQ(RegistryValue::Dword(0xFFFFFFFF).AsDword(), 0xFFFFFFFFu);
    EXPECT_FALSE((RegistryValue{RegistryType::Dword, {1, 2, 3}}).AsDword());
    EXPECT_FALSE((RegistryValue{RegistryType::Binary, {1, 2, 3, 4}}).AsDword());
    EXPECT_FALSE(RegistryValue::Dword(1).AsText());
    EXPECT_EQ((RegistryValue{RegistryType::ExpandString, {'x', 0}}).AsText(true), L"x");
    EXPECT_FALSE((RegistryValue{RegistryType::ExpandString, {'x', 0}}).AsText());
}

}  // namespace
}  // namespace vix
