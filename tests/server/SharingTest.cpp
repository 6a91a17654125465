#include "ServerTest.h"

#include "automation/Error.h"

#include <csignal>
#include <cstdio>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace collab::tests {
namespace {

using automation::Variant;

using SharingTest = ServerTest;

// Runs work in a child process that exits with 0 when it returns and 1 when
// it throws; the child never returns into the test runner.
pid_t spawn(const std::function<void()> &work)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    int status = 0;
    try {
        work();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "child %d: %s\n", static_cast<int>(getpid()), error.what());
        status = 1;
    }
    std::fflush(stderr);
    _exit(status);
}

int exitStatus(pid_t pid)
{
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::set<std::string> displayNames(const Variant &entries)
{
    std::set<std::string> names;
    const std::int32_t count = entries.get("Count").int32();
    for (std::int32_t i = 1; i <= count; ++i)
        names.insert(entries.call("Item", {i}).get("DisplayName").string());
    return names;
}

TEST_F(SharingTest, SecondConnectionSeesCommittedChanges)
{
    Variant mine = login("alice");
    Variant theirs = login("alice");
    Variant book = mine.get("AddressBooks").call("Add", {"Team"});
    book.get("AddressBookEntries").call("Add", {"Dana"}).get("Fields").call("Add", {"Phone", 1, "100"});

    Variant seen = theirs.get("AddressBooks").call("Item", {3});
    EXPECT_EQ(seen.get("Name").string(), "Team");
    Variant phone = seen.get("AddressBookEntries").call("Item", {1}).get("Fields").call("Item", {1});
    EXPECT_EQ(phone.get("Value").string(), "100");
    phone.put("Value", "200");

    EXPECT_EQ(book.get("AddressBookEntries").call("Item", {1}).get("Fields").call("Item", {1}).get("Value").string(),
              "200");
}

TEST_F(SharingTest, ConcurrentProcessesLoseNoChange)
{
    // The writers also race to create the store file and the account.
    constexpr int Writers = 3;
    constexpr int PerWriter = 60;
    std::vector<pid_t> children;
    for (int w = 0; w < Writers; ++w) {
        children.push_back(spawn([&, w] {
            Variant entries = personalBook(login("alice")).get("AddressBookEntries");
            for (int i = 0; i < PerWriter; ++i)
                entries.call("Add", {"w" + std::to_string(w) + "-" + std::to_string(i)})
                    .get("Fields")
                    .call("Add", {"Writer", 1, std::to_string(w)});
        }));
    }
    for (pid_t child : children)
        EXPECT_EQ(exitStatus(child), 0);
    Variant directory = login("alice").get("AddressBooks").call("Item", {1}).get("AddressBookEntries");
    EXPECT_EQ(directory.get("Count").int32(), 1);

    Variant entries = personalBook(login("alice")).get("AddressBookEntries");
    const std::set<std::string> names = displayNames(entries);
    EXPECT_EQ(names.size(), static_cast<std::size_t>(Writers * PerWriter));
    for (int w = 0; w < Writers; ++w)
        for (int i = 0; i < PerWriter; ++i)
            EXPECT_TRUE(names.count("w" + std::to_string(w) + "-" + std::to_string(i))) << w << "-" << i;
    for (std::int32_t i = 1; i <= entries.get("Count").int32(); ++i)
        EXPECT_EQ(entries.call("Item", {i}).get("Fields").get("Count").int32(), 1);
}

TEST_F(SharingTest, KilledWriterLosesNothingItReportedDone)
{
    login("alice");
    int acks[2];
    ASSERT_EQ(pipe(acks), 0);
    const pid_t child = spawn([&] {
        close(acks[0]);
        Variant entries = personalBook(login("alice")).get("AddressBookEntries");
        const std::string filler(16 * 1024, 'f'); // long enough for the kill to land inside a call
        for (std::int32_t i = 0;; ++i) {
            entries.call("Add", {"k" + std::to_string(i)}).get("Fields").call("Add", {"Filler", 1, filler});
            if (write(acks[1], &i, sizeof i) != sizeof i)
                throw std::runtime_error("the parent stopped listening");
        }
    });
    close(acks[1]);
    std::int32_t last = -1;
    for (int received = 0; received < 40; ++received)
        ASSERT_EQ(read(acks[0], &last, sizeof last), static_cast<ssize_t>(sizeof last));
    kill(child, SIGKILL);
    EXPECT_EQ(exitStatus(child), 128 + SIGKILL);
    // Acknowledgements sent before the kill count too.
    for (std::int32_t next = 0; read(acks[0], &next, sizeof next) == static_cast<ssize_t>(sizeof next);)
        last = next;
    close(acks[0]);

    // Every acknowledged change is there; whatever was in flight is whole or absent.
    Variant entries = personalBook(login("alice")).get("AddressBookEntries");
    const std::int32_t count = entries.get("Count").int32();
    ASSERT_GT(count, last);
    for (std::int32_t i = 0; i < count; ++i) {
        Variant entry = entries.call("Item", {i + 1});
        ASSERT_EQ(entry.get("DisplayName").string(), "k" + std::to_string(i));
        if (i <= last) {
            EXPECT_EQ(entry.get("Fields").get("Count").int32(), 1) << i;
        }
    }
}

} // namespace
} // namespace collab::tests
