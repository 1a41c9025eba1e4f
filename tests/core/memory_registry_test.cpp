// The in-memory registry: the shared contract, which the real registry also
// passes under Wine, and the switches only the double has.

#include "memory_registry.h"

#include <gtest/gtest.h>

#include "registry_contract.h"

namespace vix {
namespace {

constexpr auto kUser = RegistryRoot::CurrentUser;

using test::RegistryContract;

INSTANTIATE_TEST_SUITE_P(InMemory, RegistryContract,
                         ::testing::Values(test::RegistryUnderTest{
                             "MemoryRegistry",
                             [] {
                                 auto store = std::make_unique<MemoryRegistry>();
                                 store->AddKey(RegistryRoot::LocalMachine, L"SOFTWARE\\Vendor");
                                 store->AddKey(RegistryRoot::Users, L".DEFAULT\\Software");
                                 return store;
                             },
                             L"Software\\VixTests", L"SOFTWARE", L".DEFAULT"}),
                         test::RegistryName);

TEST(MemoryRegistry, RefusingSwitchesFailOpensAndWritesAndCountThem) {
    MemoryRegistry registry;
    registry.refuseOpen = true;
    EXPECT_EQ(registry.Open(kUser, L"Software\\A", OpenMode::Create), nullptr);
    EXPECT_FALSE(registry.HasKey(kUser, L"Software\\A"));
    registry.refuseOpen = false;
    registry.refuseWrite = true;
    auto key = registry.Open(kUser, L"Software\\A", OpenMode::Create);
    ASSERT_NE(key, nullptr);
    EXPECT_FALSE(key->Write(L"v", RegistryValue::Dword(1)));
    EXPECT_FALSE(registry.Get(kUser, L"Software\\A", L"v").has_value());
    EXPECT_EQ(registry.opens, 2);
    EXPECT_EQ(registry.writes, 1);
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
