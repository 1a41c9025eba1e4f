#include <gtest/gtest.h>

#include "memory_registry.h"
#include "photoshop/registration.h"
#include "photoshop/version_list.h"

namespace vix {
namespace {

using Names = std::vector<std::wstring>;
constexpr auto kMachine = RegistryRoot::LocalMachine;

void Install(MemoryRegistry& view, const std::wstring& version, const std::wstring& folder) {
    const std::wstring key = std::wstring(kPhotoshopVersionsKey) + L"\\" + version;
    if (folder.empty())
        view.AddKey(kMachine, key);
    else
        view.Set(kMachine, key, kApplicationPathValue, RegistryValue::Text(folder));
}

TEST(VersionOrder, IsTheRegistrysTextOrderWithoutCase) {
    Names names = {L"9.0", L"7.0", L"10.0", L"CS6", L"cs5", L"8.0"};
    SortInRegistryOrder(names);
    EXPECT_EQ(names, (Names{L"10.0", L"7.0", L"8.0", L"9.0", L"cs5", L"CS6"}));
}

TEST(VersionOrder, TwoViewsMergeIntoOneListWithEachVersionOnce) {
    const Names view32 = {L"10.0", L"9.0", L"CS5"};
    const Names view64 = {L"13.0", L"cs5", L"9.0"};
    EXPECT_EQ(MergeVersionLists(view64, view32), (Names{L"10.0", L"13.0", L"9.0", L"cs5"}));
    EXPECT_EQ(MergeVersionLists(view32, {}), view32);
    EXPECT_TRUE(MergeVersionLists({}, {}).empty());
}

TEST(PhotoshopDiscovery, ReadsBothViewsAndIsAbsentOnlyWhenNeitherHasTheKey) {
    MemoryRegistry view64, view32;
    RegistryStore* views[] = {&view64, &view32};
    EXPECT_FALSE(ReadInstalledVersions(views).has_value());

    Install(view32, L"9.0", L"C:\\PS9\\");
    Install(view32, L"10.0", L"C:\\PS10 (32)\\");
    Install(view64, L"10.0", L"C:\\PS10\\");
    Install(view64, L"13.0", L"");
    EXPECT_EQ(ReadInstalledVersions(views), (Names{L"10.0", L"13.0", L"9.0"}));
    EXPECT_EQ(ReadApplicationPath(views, L"10.0"), L"C:\\PS10\\");
    EXPECT_EQ(ReadApplicationPath(views, L"9.0"), L"C:\\PS9\\");
    EXPECT_EQ(ReadApplicationPath(views, L"13.0"), L"");
    EXPECT_EQ(ReadApplicationPath(views, L"7.0"), L"");
    EXPECT_EQ(ReadApplicationPath(views, L""), L"");

    // A key that exists but holds no versions is an empty list, not an absent one.
    MemoryRegistry empty;
    empty.AddKey(kMachine, kPhotoshopVersionsKey);
    RegistryStore* emptyOnly[] = {&empty};
    EXPECT_EQ(ReadInstalledVersions(emptyOnly), Names{});
    empty.refuseOpen = true;
    EXPECT_FALSE(ReadInstalledVersions(emptyOnly).has_value());
}

TEST(PhotoshopDiscovery, TheChoiceStandsUntilANewerVersionIsAddedOrItIsUninstalled) {
    const Names two = {L"7.0", L"8.0"};
    EXPECT_TRUE(ChoiceStands(two, L"7.0", L"8.0"));
    EXPECT_TRUE(ChoiceStands(two, L"8.0", L"8.0"));
    EXPECT_FALSE(ChoiceStands(Names{L"7.0", L"8.0", L"9.0"}, L"7.0", L"8.0"));
    EXPECT_FALSE(ChoiceStands(Names{L"8.0", L"9.0"}, L"7.0", L"9.0"));
    EXPECT_FALSE(ChoiceStands(two, L"", L"8.0"));
    EXPECT_FALSE(ChoiceStands(Names{}, L"7.0", L""));
    // The stored name is searched without case, the last one compared exactly.
    EXPECT_TRUE(ChoiceStands(Names{L"CS5", L"cs6"}, L"cs5", L"cs6"));
    EXPECT_FALSE(ChoiceStands(Names{L"CS5", L"cs6"}, L"CS5", L"CS6"));
}

TEST(PhotoshopDiscovery, OneVersionRegistersWithoutAskingSeveralAskWithTheLastPreselected) {
    EXPECT_EQ(DecideAtStartup(std::nullopt, L"", L"").action, StartupChoice::Action::Nothing);
    EXPECT_EQ(DecideAtStartup(Names{}, L"", L"").action, StartupChoice::Action::Nothing);

    const auto one = DecideAtStartup(Names{L"7.0"}, L"", L"");
    EXPECT_EQ(one.action, StartupChoice::Action::Register);
    EXPECT_EQ(one.selected, 0);
    EXPECT_EQ(DecideAtStartup(Names{L"7.0"}, L"7.0", L"7.0").action,
              StartupChoice::Action::Nothing);

    EXPECT_EQ(DecideAtStartup(Names{L"7.0", L"8.0"}, L"7.0", L"8.0").action,
              StartupChoice::Action::Nothing);
    const auto added = DecideAtStartup(Names{L"7.0", L"8.0", L"9.0"}, L"7.0", L"8.0");
    EXPECT_EQ(added.action, StartupChoice::Action::Ask);
    EXPECT_EQ(added.labels, (Names{L"Photoshop 7.0", L"Photoshop 8.0", L"Photoshop 9.0"}));
    EXPECT_EQ(added.selected, 2);

    const auto nineTen = DecideAtStartup(Names{L"10.0", L"9.0"}, L"", L"");
    EXPECT_EQ(nineTen.labels, (Names{L"Photoshop 10.0", L"Photoshop 9.0"}));
    EXPECT_EQ(nineTen.selected, 1);
}

TEST(Registration, ExecutableNameAndServerCommand) {
    const auto none = [](const std::wstring&) { return false; };
    std::wstring asked;
    const auto photoshp = [&](const std::wstring& path) {
        asked = path;
        return true;
    };
    EXPECT_EQ(ExecutableName(L"C:\\PS\\", none), L"Photoshop.exe");
    EXPECT_EQ(ExecutableName(L"C:\\PS 7.0\\", photoshp), L"Photoshp.exe");
    EXPECT_EQ(asked, L"C:\\PS 7.0\\Photoshp.exe");
    EXPECT_EQ(ServerCommand(L"C:\\Program Files\\Adobe\\Photoshop 7.0\\", L"Photoshop.exe"),
              L"C:\\Program Files\\Adobe\\Photoshop 7.0\\Photoshop.exe /Automation");
    // A folder written without its final backslash still names the program in it.
    EXPECT_EQ(ServerCommand(L"D:\\PS", L"Photoshop.exe"), L"D:\\PS\\Photoshop.exe /Automation");
}

TEST(Registration, TableForAVersionAtAPath) {
    const auto table = RegistrationTable(L"7.0", L"C:\\PS\\Photoshop.exe /Automation");
    const std::wstring clsid = L"CLSID\\{6DECC242-87EF-11cf-86B4-444553540000}";
    const std::wstring iface = L"Interface\\{9414F179-C905-11d1-92CC-00600808FC44}";
    const std::vector<RegistrationEntry> expected = {
        {L"Photoshop.Application", L"Photoshop 7.0 Application", -1},
        {L"Photoshop.Application\\CLSID", L"{6DECC242-87EF-11cf-86B4-444553540000}", 0},
        {clsid, L"Photoshop 7.0 Application", -1},
        {clsid + L"\\ProgID", L"Photoshop.Application.7.0", 2},
        {clsid + L"\\VersionIndependentProgID", L"Photoshop.Application", 2},
        {clsid + L"\\LocalServer32", L"C:\\PS\\Photoshop.exe /Automation", 2},
        {iface, L"IPhotoshopApplication", -1},
        {iface + L"\\TypeLib", L"{4B0AB3E1-80F1-11cf-86B4-444553540000}", 6},
        {iface + L"\\ProxyStubClsid32", L"{00020424-0000-0000-C000-000000000046}", 6},
    };
    EXPECT_EQ(table, expected);
}

// A registry whose keys below one path cannot be opened.
class PartlyRefusingRegistry final : public RegistryStore {
  public:
    explicit PartlyRefusingRegistry(std::wstring refused) : refused_(std::move(refused)) {}
    std::unique_ptr<RegistryKey> Open(RegistryRoot root, std::wstring_view path,
                                      OpenMode mode) override {
        if (path.starts_with(refused_)) return nullptr;
        return inner.Open(root, path, mode);
    }
    bool DeleteTree(RegistryRoot root, std::wstring_view path) override {
        return inner.DeleteTree(root, path);
    }
    MemoryRegistry inner;

  private:
    std::wstring refused_;
};

TEST(Registration, GoesBelowTheChosenClassesRootAndSkipsKeysThatDoNotOpen) {
    const auto table = RegistrationTable(L"9.0", L"X /Automation");
    MemoryRegistry user;
    const auto written = WriteRegistration(user, UserClasses(), table);
    EXPECT_EQ(written.written, 9);
    EXPECT_FALSE(written.failedKey);
    EXPECT_EQ(user.Get(RegistryRoot::CurrentUser,
                       L"Software\\Classes\\CLSID\\{6DECC242-87EF-11cf-86B4-444553540000}"
                       L"\\LocalServer32",
                       L""),
              RegistryValue::Text(L"X /Automation"));
    EXPECT_FALSE(user.HasKey(RegistryRoot::ClassesRoot, L"Photoshop.Application"));

    MemoryRegistry machine;
    WriteRegistration(machine, MachineClasses(), table);
    EXPECT_EQ(machine.Get(RegistryRoot::ClassesRoot, L"Photoshop.Application\\CLSID", L""),
              RegistryValue::Text(L"{6DECC242-87EF-11cf-86B4-444553540000}"));

    // The CLSID key refused: none of its subkeys are made; the rest goes on.
    PartlyRefusingRegistry partly(L"Software\\Classes\\CLSID\\{6DECC242");
    const auto skipped = WriteRegistration(partly, UserClasses(), table);
    EXPECT_EQ(skipped.written, 5);
    EXPECT_FALSE(skipped.failedKey);
    EXPECT_TRUE(partly.inner.HasKey(RegistryRoot::CurrentUser,
                                    L"Software\\Classes\\Interface\\"
                                    L"{9414F179-C905-11d1-92CC-00600808FC44}\\ProxyStubClsid32"));
}

TEST(Registration, ARefusedWriteStopsAndNamesTheKey) {
    MemoryRegistry registry;
    registry.refuseWrite = true;
    const auto result =
        WriteRegistration(registry, UserClasses(), RegistrationTable(L"9.0", L"X /Automation"));
    EXPECT_EQ(result.written, 0);
    ASSERT_TRUE(result.failedKey);
    EXPECT_EQ(*result.failedKey, L"HKEY_CURRENT_USER\\Software\\Classes\\Photoshop.Application");
    EXPECT_EQ(RegistrationFailureMessage(*result.failedKey),
              L"Failed to set data for "
              L"\"HKEY_CURRENT_USER\\Software\\Classes\\Photoshop.Application\"");
    EXPECT_EQ(registry.writes, 1);
}

class ChooseVersionTest : public ::testing::Test {
  protected:
    ChooseVersionTest() {
        Install(machine, L"10.0", L"C:\\PS10\\");
        Install(machine, L"7.0", L"C:\\PS7\\");
        Install(machine, L"9.0", L"");
    }
    ChoiceOutcome Choose(int index) {
        RegistryStore* views[] = {&machine};
        return ChooseVersion(versions, index, views, classes, UserClasses(), exists);
    }
    std::optional<std::wstring> LocalServer() const {
        const auto value = classes.Get(
            RegistryRoot::CurrentUser,
            L"Software\\Classes\\CLSID\\{6DECC242-87EF-11cf-86B4-444553540000}\\LocalServer32",
            L"");
        return value ? value->AsText() : std::nullopt;
    }
    MemoryRegistry machine, classes;
    Names versions = {L"10.0", L"7.0", L"9.0"};
    std::function<bool(const std::wstring&)> exists = [](const std::wstring& path) {
        return path == L"C:\\PS7\\Photoshp.exe";
    };
};

TEST_F(ChooseVersionTest, RegistersTheChosenVersionAndStoresItWithTheNewestInstalled) {
    const auto outcome = Choose(1);
    EXPECT_EQ(LocalServer(), L"C:\\PS7\\Photoshp.exe /Automation");
    EXPECT_EQ(outcome.chosenVersion, L"7.0");
    EXPECT_EQ(outcome.lastListedVersion, L"9.0");
    EXPECT_TRUE(outcome.closeForm);
    EXPECT_FALSE(outcome.failedKey);

    Choose(0);
    EXPECT_EQ(LocalServer(), L"C:\\PS10\\Photoshop.exe /Automation");
}

TEST_F(ChooseVersionTest, AVersionWithoutFolderOrNoSelectionRegistersAndStoresNothing) {
    for (int index : {2, -1, 3}) {
        const auto outcome = Choose(index);
        EXPECT_FALSE(outcome.chosenVersion);
        EXPECT_TRUE(outcome.closeForm);
    }
    EXPECT_EQ(classes.writes, 0);
    EXPECT_FALSE(LocalServer());
}

TEST_F(ChooseVersionTest, ARefusedWriteStillStoresTheChoiceAndKeepsTheFormOpen) {
    classes.refuseWrite = true;
    const auto outcome = Choose(0);
    EXPECT_EQ(outcome.chosenVersion, L"10.0");
    EXPECT_EQ(outcome.lastListedVersion, L"9.0");
    EXPECT_FALSE(outcome.closeForm);
    EXPECT_TRUE(outcome.failedKey);
}

}  // namespace
}  // namespace vix
