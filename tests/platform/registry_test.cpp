#include "platform/codepage.h"
#include "platform/registry.h"
#include "platform/registry_names.h"
#include "tests/support/sandbox.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>

using namespace platform;
namespace fs = std::filesystem;

namespace {

class RegistryTest : public ::testing::Test {
protected:
    fs::path File() const { return sandbox_.Path() / "registry.db"; }

    Registry OpenRegistry() const {
        Result<Registry> registry = Registry::Open(File());
        if (!registry) {
            throw std::runtime_error(registry.Error());
        }
        return std::move(registry).Value();
    }

    static RegistryKey MustCreate(Registry& registry, RegistryRoot root, std::string_view path) {
        Result<RegistryKey> key = registry.CreateKey(root, path);
        if (!key) {
            throw std::runtime_error(key.Error());
        }
        return std::move(key).Value();
    }

    fixture::Sandbox sandbox_;
};

std::string AllByteValues() {
    std::string bytes;
    for (int i = 0; i < 256; ++i) {
        bytes.push_back(static_cast<char>(i));
    }
    return bytes;
}

} // namespace

TEST_F(RegistryTest, EveryTypeRoundTripsByteForByteThroughAnotherConnection) {
    const std::string text = Utf8ToCp932("表示\\ソフト"); // trail bytes 5C inside
    const std::vector<NamedRegistryValue> written = {
        {"Text", RegistryValue::Sz(text)},
        {"Expand", RegistryValue::ExpandSz("%SystemRoot%\\system32")},
        {"Binary", RegistryValue::Binary(AllByteValues())},
        {"Empty", RegistryValue::Binary("")},
        {"Number", RegistryValue::Dword(0xDEADBEEF)},
        {"WithNul", {RegistryType::Sz, std::string("ab\0cd\0", 6)}},
    };
    {
        Registry registry = OpenRegistry();
        RegistryKey key = MustCreate(registry, RegistryRoot::CurrentUser, "Software\\Test");
        for (const NamedRegistryValue& value : written) {
            ASSERT_TRUE(key.WriteValue(value.name, value.value).Ok());
        }
    }
    Registry registry = OpenRegistry();
    Result<std::optional<RegistryKey>> key =
        registry.OpenKey(RegistryRoot::CurrentUser, "Software\\Test");
    ASSERT_TRUE(key.Ok() && key.Value().has_value()) << key.Error();
    Result<std::vector<NamedRegistryValue>> values = key.Value()->Values();
    ASSERT_TRUE(values.Ok()) << values.Error();
    ASSERT_EQ(values.Value().size(), written.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
        EXPECT_EQ(values.Value()[i].name, written[i].name);
        EXPECT_EQ(values.Value()[i].value, written[i].value) << written[i].name;
    }
    EXPECT_EQ(RegistryValue::Dword(0xDEADBEEF).data, "\xEF\xBE\xAD\xDE");
    EXPECT_EQ(values.Value()[4].value.Number(), 0xDEADBEEFu);
    EXPECT_EQ(values.Value()[0].value.Text(), text);
    EXPECT_EQ(values.Value()[5].value.Text(), "ab");
    EXPECT_EQ(values.Value()[2].value.Text(), std::nullopt);
    EXPECT_EQ(values.Value()[0].value.Number(), std::nullopt);
}

TEST_F(RegistryTest, NamesCompareWithoutCaseAndKeepTheirFirstSpelling) {
    Registry registry = OpenRegistry();
    RegistryKey key = MustCreate(registry, RegistryRoot::CurrentUser, "Software\\Hestrom");
    ASSERT_TRUE(key.WriteValue("Date1", RegistryValue::Sz("0")).Ok());
    ASSERT_TRUE(key.WriteValue("DATE1", RegistryValue::Sz("3")).Ok());

    Result<std::optional<RegistryKey>> again =
        registry.OpenKey(RegistryRoot::CurrentUser, "SOFTWARE\\hestrom");
    ASSERT_TRUE(again.Ok() && again.Value().has_value());
    Result<std::vector<NamedRegistryValue>> values = again.Value()->Values();
    ASSERT_TRUE(values.Ok());
    ASSERT_EQ(values.Value().size(), 1u);
    EXPECT_EQ(values.Value()[0].name, "Date1");
    EXPECT_EQ(values.Value()[0].value.Text(), "3");

    RegistryKey software = MustCreate(registry, RegistryRoot::CurrentUser, "software");
    Result<std::vector<std::string>> subKeys = software.SubKeyNames();
    ASSERT_TRUE(subKeys.Ok());
    EXPECT_EQ(subKeys.Value(), std::vector<std::string>{"Hestrom"});
    Result<std::optional<RegistryKey>> root = registry.OpenKey(RegistryRoot::CurrentUser, "");
    ASSERT_TRUE(root.Ok() && root.Value().has_value());
    EXPECT_EQ(root.Value()->SubKeyNames().Value(), std::vector<std::string>{"Software"});
}

TEST_F(RegistryTest, DoubleByteNamesFoldOnlyTheirLetters) {
    // Full-width, Greek and Cyrillic letters have cases; kana whose trail byte is an ASCII
    // letter do not, and a trail byte 5C is not a path separator.
    EXPECT_EQ(FoldRegistryName(Utf8ToCp932("ａｚαωаняё")), Utf8ToCp932("ＡＺΑΩАНЯЁ"));
    EXPECT_EQ(FoldRegistryName(Utf8ToCp932("ヂa")), Utf8ToCp932("ヂA"));
    EXPECT_NE(FoldRegistryName(Utf8ToCp932("ヂ")), FoldRegistryName(Utf8ToCp932("ア")));

    Registry registry = OpenRegistry();
    const std::string display = Utf8ToCp932("表示\\ソフト");
    RegistryKey key = MustCreate(registry, RegistryRoot::LocalMachine, display);
    ASSERT_TRUE(key.WriteValue(Utf8ToCp932("ｌｕｍａｒｏ"), RegistryValue::Sz("x")).Ok());
    Result<std::optional<RegistryValue>> read = key.ReadValue(Utf8ToCp932("ＬＵＭＡＲＯ"));
    ASSERT_TRUE(read.Ok() && read.Value().has_value());
    EXPECT_EQ(read.Value()->Text(), "x");
    EXPECT_FALSE(key.ReadValue(Utf8ToCp932("ア")).Value().has_value());

    EXPECT_TRUE(registry.KeyExists(RegistryRoot::LocalMachine, Utf8ToCp932("表示")).Value());
    EXPECT_FALSE(registry.KeyExists(RegistryRoot::LocalMachine, Utf8ToCp932("表")).Value());
    Result<std::vector<std::string>> split = SplitKeyPath(display);
    ASSERT_TRUE(split.Ok());
    EXPECT_EQ(split.Value(),
              (std::vector<std::string>{Utf8ToCp932("表示"), Utf8ToCp932("ソフト")}));
}

TEST_F(RegistryTest, OpeningWithoutCreateFindsOnlyExistingKeysAndCreatesNothing) {
    Registry registry = OpenRegistry();
    Result<std::optional<RegistryKey>> absent =
        registry.OpenKey(RegistryRoot::CurrentUser, "Software\\Absent");
    ASSERT_TRUE(absent.Ok());
    EXPECT_FALSE(absent.Value().has_value());
    EXPECT_FALSE(registry.KeyExists(RegistryRoot::CurrentUser, "Software").Value());

    static_cast<void>(MustCreate(registry, RegistryRoot::CurrentUser, "Software\\A\\B"));
    EXPECT_TRUE(registry.KeyExists(RegistryRoot::CurrentUser, "Software\\A").Value());
    EXPECT_FALSE(registry.KeyExists(RegistryRoot::LocalMachine, "Software\\A").Value());
}

TEST_F(RegistryTest, DeletingAKeyRemovesItsSubKeysAndNothingElse) {
    Registry registry = OpenRegistry();
    const auto root = RegistryRoot::CurrentUser;
    for (const char* path : {"A", "A\\B", "A\\B\\C", "A\\B\\C\\D", "A\\B2", "AB", "A\\BB"}) {
        ASSERT_TRUE(MustCreate(registry, root, path).WriteValue("v", RegistryValue::Sz(path)).Ok());
    }
    ASSERT_TRUE(MustCreate(registry, RegistryRoot::Users, "A\\B")
                    .WriteValue("v", RegistryValue::Sz("u"))
                    .Ok());
    RegistryKey stale = MustCreate(registry, root, "A\\B\\C");

    Result<bool> deleted = registry.DeleteKey(root, "a\\b");
    ASSERT_TRUE(deleted.Ok()) << deleted.Error();
    EXPECT_TRUE(deleted.Value());

    for (const char* gone : {"A\\B", "A\\B\\C", "A\\B\\C\\D"}) {
        EXPECT_FALSE(registry.KeyExists(root, gone).Value()) << gone;
    }
    for (const char* kept : {"A", "A\\B2", "AB", "A\\BB"}) {
        Result<std::optional<RegistryKey>> key = registry.OpenKey(root, kept);
        ASSERT_TRUE(key.Ok() && key.Value().has_value()) << kept;
        EXPECT_EQ(key.Value()->ReadValue("v").Value()->Text(), kept);
    }
    EXPECT_TRUE(registry.KeyExists(RegistryRoot::Users, "A\\B").Value());

    // A key opened before the deletion stays dead, even once its name exists again.
    RegistryKey recreated = MustCreate(registry, root, "A\\B\\C");
    EXPECT_FALSE(recreated.ReadValue("v").Value().has_value());
    EXPECT_FALSE(stale.ReadValue("v").Ok());
    Status write = stale.WriteValue("v", RegistryValue::Sz("late"));
    EXPECT_NE(write.Error().find("has been deleted"), std::string::npos) << write.Error();
    EXPECT_FALSE(recreated.ReadValue("v").Value().has_value());

    EXPECT_FALSE(registry.DeleteKey(root, "A\\Missing").Value());
    EXPECT_FALSE(registry.DeleteKey(root, "").Ok());
}

TEST_F(RegistryTest, DeletingAValueSaysWhetherThereWasOne) {
    Registry registry = OpenRegistry();
    RegistryKey key = MustCreate(registry, RegistryRoot::ClassesRoot, ".jpg");
    ASSERT_TRUE(key.WriteValue("", RegistryValue::Sz("LumaroUty.Jpeg")).Ok());
    ASSERT_TRUE(key.WriteValue("Other", RegistryValue::Dword(1)).Ok());
    EXPECT_TRUE(key.DeleteValue("").Value());
    EXPECT_FALSE(key.DeleteValue("").Value());
    EXPECT_FALSE(key.ReadValue("").Value().has_value());
    EXPECT_TRUE(key.ReadValue("OTHER").Value().has_value());
}

TEST_F(RegistryTest, MalformedPathsAreRefusedWithTheDatabaseNamed) {
    Registry registry = OpenRegistry();
    const std::string longName(kMaxKeyNameLength + 1, 'k');
    for (const std::string& path : {std::string("\\Software"), std::string("Software\\\\Hestrom"),
                                    std::string("Software\\"), "Software\\" + longName}) {
        Result<RegistryKey> key = registry.CreateKey(RegistryRoot::CurrentUser, path);
        ASSERT_FALSE(key.Ok()) << path;
        EXPECT_NE(key.Error().find(File().string()), std::string::npos) << key.Error();
    }
    EXPECT_TRUE(
        registry.CreateKey(RegistryRoot::CurrentUser, std::string(kMaxKeyNameLength, 'k')).Ok());
    EXPECT_FALSE(registry.KeyExists(RegistryRoot::CurrentUser, "Software").Value());
}
