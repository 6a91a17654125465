#include "RecordingObject.h"

#include <automation/Error.h>
#include <automation/Runtime.h>
#include <automation/ServerRegistry.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

using namespace automation;
using automationtest::RecordingObject;
namespace fs = std::filesystem;

namespace {

std::string failureOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const Error &e) {
        return e.what();
    }
    return "(no failure)";
}

// Each test gets its own data folder as XDG_DATA_HOME; the environment is
// put back afterwards.
class ServerRegistryTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char *name : {"XDG_DATA_HOME", "XDG_DATA_DIRS", "HOME"}) {
            const char *value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        std::string pattern = (fs::temp_directory_path() / "registry-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dataHome = pattern;
        servers = dataHome / "automation" / "servers";
        fs::create_directories(servers);
        setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    }

    void TearDown() override
    {
        for (const auto &[name, value] : saved_) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        fs::remove_all(dataHome);
    }

    void registerFile(const std::string &progId, const std::string &content)
    {
        std::ofstream(servers / (progId + ".server"), std::ios::binary) << content;
    }

    fs::path dataHome;
    fs::path servers;

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(ServerRegistryTest, SearchPathFollowsTheDataFolders)
{
    struct Row {
        const char *shows;
        const char *dataHome;
        const char *home;
        const char *dataDirs;
        std::vector<fs::path> after; // folders after the program's own
    };
    const fs::path sub = fs::path("automation") / "servers";
    const Row rows[] = {
        {"both set", "/data/home", "/home/u", "/d1:/d2", {"/data/home" / sub, "/d1" / sub, "/d2" / sub}},
        {"empty parts skipped", "/data/home", "/home/u", ":/d1::/d2:", {"/data/home" / sub, "/d1" / sub, "/d2" / sub}},
        {"defaults", nullptr, "/home/u", nullptr,
         {"/home/u/.local/share" / sub, "/usr/local/share" / sub, "/usr/share" / sub}},
    };
    for (const Row &row : rows) {
        row.dataHome ? setenv("XDG_DATA_HOME", row.dataHome, 1) : unsetenv("XDG_DATA_HOME");
        setenv("HOME", row.home, 1);
        row.dataDirs ? setenv("XDG_DATA_DIRS", row.dataDirs, 1) : unsetenv("XDG_DATA_DIRS");
        const std::vector<fs::path> path = ServerRegistry::searchPath();
        ASSERT_FALSE(path.empty()) << row.shows;
        EXPECT_EQ(path.front().filename(), "servers") << row.shows;
        EXPECT_EQ(std::vector<fs::path>(path.begin() + 1, path.end()), row.after) << row.shows;
    }
}

TEST_F(ServerRegistryTest, FactoriesMatchWithoutRegardToCaseAndWinOverFiles)
{
    registerFile("RegistryTest.Both", "module=" TEST_MODULE_PATH "\n");
    ServerRegistry::instance().registerFactory("RegistryTest.Both", [](Dispatch **object) {
        *object = new RecordingObject("factory", nullptr);
        return S_Ok;
    });
    Variant fromFactory = createObject("REGISTRYTEST.both");
    EXPECT_NE(dynamic_cast<RecordingObject *>(fromFactory.object()), nullptr);

    ServerRegistry::instance().unregisterFactory("registrytest.BOTH");
    Variant fromFile = createObject("RegistryTest.Both");
    EXPECT_EQ(fromFile.get("ProgId"), Variant("RegistryTest.Both"));

    ServerRegistry::instance().registerFactory("RegistryTest.Refusing", [](Dispatch **) { return E_OutOfMemory; });
    EXPECT_EQ(failureOf([] { createObject("RegistryTest.Refusing"); }),
              "Not enough memory resources are available to complete this operation");
    ServerRegistry::instance().unregisterFactory("RegistryTest.Refusing");
}

TEST_F(ServerRegistryTest, RegistrationFilesLoadTheirModule)
{
    struct Row {
        const char *progId;
        std::string content;
    };
    const std::string relative = fs::relative(TEST_MODULE_PATH, servers).string();
    const Row rows[] = {
        {"RegistryTest.Absolute", "module=" TEST_MODULE_PATH "\n"},
        {"RegistryTest.Relative", "module=" + relative + "\n"},
        {"RegistryTest.Crlf", "[server]\r\nname=Test\r\nmodule=" TEST_MODULE_PATH "  \r\n"},
    };
    for (const Row &row : rows) {
        registerFile(row.progId, row.content);
        EXPECT_EQ(ServerRegistry::findRegistration(row.progId), servers / (std::string(row.progId) + ".server"));
        const std::string asked = std::string(row.progId) + ".casing";
        registerFile(asked, row.content);
        Variant object = createObject(std::string(row.progId) + ".CASING");
        EXPECT_EQ(object.get("ProgId"), Variant(std::string(row.progId) + ".CASING")) << row.progId;
        EXPECT_EQ(object.call("Echo", {Variant(row.progId)}), Variant(row.progId));
    }
}

TEST_F(ServerRegistryTest, CreationFailures)
{
    registerFile("RegistryTest.NoModuleLine", "name=Nothing\n");
    registerFile("RegistryTest.MissingModule", "module=" + (dataHome / "absent.so").string() + "\n");
    registerFile("RegistryTest.NoEntryPoint", "module=" BLANK_MODULE_PATH "\n");
    registerFile("RefuseRegistryTest", "module=" TEST_MODULE_PATH "\n");
    struct Row {
        const char *progId;
        const char *failure;
    };
    const Row rows[] = {
        {"RegistryTest.Unknown", "Invalid class string"},
        {"", "Invalid class string"},
        {"RegistryTest.NoModuleLine", "Class not registered"},
        {"RegistryTest.MissingModule", "DLL for class not found"},
        {"RegistryTest.NoEntryPoint", "Error in the DLL"},
        {"RefuseRegistryTest", "Not implemented"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(failureOf([&] { createObject(row.progId); }), row.failure) << row.progId;
}

// The checks every ServerObject shares, on the module's object.
TEST_F(ServerRegistryTest, ServerObjectsCheckCallsAndReadArguments)
{
    registerFile("RegistryTest.Checks", "module=" TEST_MODULE_PATH "\n");
    Variant object = createObject("RegistryTest.Checks");
    std::int32_t number = 20;
    Variant boxed(21);
    EXPECT_EQ(object.call("Twice", {Variant(19)}), Variant(38));
    EXPECT_EQ(object.call("Twice", {Variant::byRef(number)}), Variant(40));
    EXPECT_EQ(object.call("Twice", {Variant::byRef(boxed)}), Variant(42));
    EXPECT_EQ(object.call("Twice", {Variant("22")}), Variant(44));
    EXPECT_EQ(object.call("Exclaim", {Variant(5)}), Variant("5!"));
    EXPECT_EQ(object.call("Exclaim", {Variant::byRef(boxed)}), Variant("21!"));

    const std::pair<const char *, std::function<void()>> failing[] = {
        {"Type mismatch", [&] { object.call("Twice", {Variant::omitted()}); }},
        {"Type mismatch", [&] { object.call("Exclaim", {Variant::null()}); }},
        {"Invalid number of parameters", [&] { object.call("Echo", {}); }},
        {"Invalid number of parameters", [&] { object.call("Echo", {Variant(1), Variant(2)}); }},
        {"Member not found", [&] { object.put("ProgId", Variant("x")); }},
        {"Module failure", [&] { object.invoke("Fail"); }},
        {"Out of present range", [&] { object.invoke("Refuse"); }},
    };
    for (const auto &[failure, call] : failing)
        EXPECT_EQ(failureOf(call), failure);
    try {
        object.invoke("Fail");
    } catch (const Error &e) {
        EXPECT_EQ(e.code(), hr(0x80040777));
    }
}

} // namespace
