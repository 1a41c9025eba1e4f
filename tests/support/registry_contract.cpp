#include "registry_contract.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace vix::test {
namespace {

constexpr auto kUser = RegistryRoot::CurrentUser;

}  // namespace

void RegistryContract::SetUp() {
    store = GetParam().make();
    store->DeleteTree(kUser, GetParam().base);
}

void RegistryContract::TearDown() { store->DeleteTree(kUser, GetParam().base); }

// A standard account may only read the machine's keys and the other
// profiles' below HKEY_USERS: they are opened for reading, and nothing below
// them is created or written.
TEST_P(RegistryContract, TheMachinesAndTheProfilesKeysAreOnlyRead) {
    const std::pair<RegistryRoot, std::wstring> keys[] = {
        {RegistryRoot::LocalMachine, GetParam().machineKey},
        {RegistryRoot::Users, GetParam().profilesKey}};
    for (const auto& [root, existing] : keys) {
        const std::wstring fresh = existing + L"\\VixContractNew";
        auto key = store->Open(root, existing, OpenMode::Existing);
        ASSERT_NE(key, nullptr) << static_cast<int>(root);
        EXPECT_FALSE(key->SubkeyNames().empty());
        EXPECT_FALSE(key->Write(L"VixContract", RegistryValue::Dword(1)));
        EXPECT_EQ(key->Read(L"VixContract"), std::nullopt);
        EXPECT_EQ(store->Open(root, fresh, OpenMode::Create), nullptr);
        EXPECT_EQ(store->Open(root, fresh, OpenMode::Existing), nullptr);
    }
}

TEST_P(RegistryContract, ValuesComeBackWithTheirTypesAndBytes) {
    auto key = store->Open(kUser, Path(L"Values"), OpenMode::Create);
    ASSERT_NE(key, nullptr);
    const std::uint8_t bytes[] = {0, 1, 2, 0xFF};
    ASSERT_TRUE(key->Write(L"Number", RegistryValue::Dword(0xFFFFFF17)));
    ASSERT_TRUE(key->Write(L"Text", RegistryValue::Text(L"Bild \u00e4\u4e2d")));
    ASSERT_TRUE(key->Write(L"Bytes", RegistryValue::Binary(bytes)));
    ASSERT_TRUE(key->Write(L"Empty", RegistryValue::Binary({})));
    // Around the sizes a store might read at first go: every byte counts.
    std::vector<std::vector<std::uint8_t>> large;
    for (const std::size_t size : {255u, 256u, 257u, 5000u}) {
        std::vector<std::uint8_t>& v = large.emplace_back(size);
        for (std::size_t i = 0; i < size; ++i)
            v[i] = static_cast<std::uint8_t>(i * 7 + size);
        ASSERT_TRUE(key->Write(L"Large" + std::to_wstring(size), RegistryValue::Binary(v)));
    }
    key.reset();

    auto again = store->Open(kUser, Path(L"Values"), OpenMode::Existing);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Read(L"Number"), RegistryValue::Dword(0xFFFFFF17));
    EXPECT_EQ(again->Read(L"Text")->AsText(), L"Bild \u00e4\u4e2d");
    EXPECT_EQ(again->Read(L"Bytes"), RegistryValue::Binary(bytes));
    EXPECT_EQ(again->Read(L"Empty"), RegistryValue::Binary({}));
    EXPECT_FALSE(again->Read(L"Missing").has_value());
    for (const std::vector<std::uint8_t>& v : large)
        EXPECT_EQ(again->Read(L"Large" + std::to_wstring(v.size())), RegistryValue::Binary(v))
            << v.size();
    EXPECT_EQ(again->ValueNames().size(), 8u);
}

TEST_P(RegistryContract, AWriteReplacesTypeAndSize) {
    auto key = store->Open(kUser, Path(L"Replace"), OpenMode::Create);
    ASSERT_TRUE(key->Write(L"ImgNr", RegistryValue::Text(L"five")));
    ASSERT_TRUE(key->Write(L"ImgNr", RegistryValue::Dword(3)));
    EXPECT_EQ(key->Read(L"ImgNr"), RegistryValue::Dword(3));
    EXPECT_EQ(key->ValueNames().size(), 1u);
}

TEST_P(RegistryContract, NamesIgnoreCaseAndKeepTheirFirstSpelling) {
    auto key = store->Open(kUser, Path(L"Case\\Sub"), OpenMode::Create);
    ASSERT_TRUE(key->Write(L"LastX", RegistryValue::Dword(5)));
    ASSERT_TRUE(key->Write(L"LASTX", RegistryValue::Dword(6)));
    key.reset();
    auto other = store->Open(kUser, Path(L"CASE\\sub"), OpenMode::Existing);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->Read(L"lastx"), RegistryValue::Dword(6));
    EXPECT_EQ(other->ValueNames(), std::vector<std::wstring>{L"LastX"});
}

TEST_P(RegistryContract, ExistingModeDoesNotCreateAndCreateMakesTheParents) {
    EXPECT_EQ(store->Open(kUser, Path(L"A\\B"), OpenMode::Existing), nullptr);
    EXPECT_EQ(store->Open(kUser, Path(L"A"), OpenMode::Existing), nullptr);
    EXPECT_NE(store->Open(kUser, Path(L"A\\B\\C"), OpenMode::Create), nullptr);
    EXPECT_NE(store->Open(kUser, Path(L"A\\B"), OpenMode::Existing), nullptr);
    auto created = store->Open(kUser, Path(L"A\\B\\C"), OpenMode::Existing);
    ASSERT_NE(created, nullptr);
    EXPECT_TRUE(created->ValueNames().empty());
    EXPECT_TRUE(created->SubkeyNames().empty());
}

TEST_P(RegistryContract, SubkeysAreTheDirectChildrenAndDeleteTreeTakesThemAll) {
    store->Open(kUser, Path(L"Photoshop\\9.0\\Deep"), OpenMode::Create);
    store->Open(kUser, Path(L"Photoshop\\8.0"), OpenMode::Create);
    {
        auto parent = store->Open(kUser, Path(L"Photoshop"), OpenMode::Existing);
        ASSERT_NE(parent, nullptr);
        auto names = parent->SubkeyNames();
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::wstring>{L"8.0", L"9.0"}));
    }
    EXPECT_TRUE(store->DeleteTree(kUser, Path(L"Photoshop\\9.0")));
    EXPECT_EQ(store->Open(kUser, Path(L"Photoshop\\9.0\\Deep"), OpenMode::Existing), nullptr);
    EXPECT_EQ(store->Open(kUser, Path(L"Photoshop\\9.0"), OpenMode::Existing), nullptr);
    EXPECT_NE(store->Open(kUser, Path(L"Photoshop\\8.0"), OpenMode::Existing), nullptr)
        << "its sibling stays";
    EXPECT_FALSE(store->DeleteTree(kUser, Path(L"Photoshop\\9.0"))) << "already gone";
}

}  // namespace vix::test
