// Locks against other programs: another process (python) holds a lock on
// the table file while we try to open or rebuild it.
#include <gtest/gtest.h>

#include <cstdio>

#include "tables/dbf_table_store.h"
#include "tables_test_support.h"

namespace tt {
namespace {

using testing::errorText;
using testing::ScratchFolder;

// Another process holding flock() on a file until destroyed.
class LockHolder {
public:
    LockHolder(const std::string& path, bool exclusive, const std::string& releaseFile) : release_(releaseFile)
    {
        const std::string script =
            "import fcntl, os, sys, time\n"
            "f = open(sys.argv[1], 'rb')\n"
            "fcntl.flock(f, fcntl.LOCK_EX if sys.argv[2] == 'ex' else fcntl.LOCK_SH)\n"
            "print('locked', flush=True)\n"
            "end = time.time() + 30\n"
            "while not os.path.exists(sys.argv[3]) and time.time() < end:\n"
            "    time.sleep(0.01)\n";
        const std::string command = std::string(TT_PYTHON) + " -c \"" + script + "\" '" + path + "' " +
                                    (exclusive ? "ex" : "sh") + " '" + release_ + "'";
        pipe_ = popen(command.c_str(), "r");
        char line[16] = {};
        if (pipe_ == nullptr || fgets(line, sizeof line, pipe_) == nullptr || std::string(line) != "locked\n")
            ADD_FAILURE() << "the lock holder did not start";
    }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;
    ~LockHolder()
    {
        testing::writeBytes(release_, "");
        if (pipe_ != nullptr)
            pclose(pipe_);
        std::remove(release_.c_str());
    }

private:
    std::string release_;
    FILE* pipe_ = nullptr;
};

class TablesLock : public ::testing::Test {
protected:
    ScratchFolder folder;
    ScratchFolder elsewhere;  // for the release signal, out of the table folder
    DbfTableStore store{folder.path()};

    void SetUp() override { store.createTable("SOLUC", {{"A", FieldKind::Integer}}); }

    void expectInUse(const std::function<void()>& action)
    {
        const std::string fault = errorText(action);
        EXPECT_NE(fault.find("La tabla SOLUC est\xE1 en uso por otro programa"), std::string::npos) << fault;
    }

    std::function<void()> opening(Access access, Sharing sharing)
    {
        return [this, access, sharing] { store.open("SOLUC", access, sharing); };
    }
};

TEST_F(TablesLock, ExclusiveHolderKeepsEveryoneOut)
{
    const auto before = folder.names();
    {
        LockHolder holder(folder.file("SOLUC.DBF"), true, elsewhere.file("release"));
        expectInUse(opening(Access::ReadOnly, Sharing::Shared));
        expectInUse(opening(Access::ReadWrite, Sharing::Exclusive));
        expectInUse([this] { store.buildTable("SOLUC", {{"B", FieldKind::Integer}}); });
        EXPECT_EQ(folder.names(), before);  // the refused build left no temporary file
    }
    EXPECT_NO_THROW(store.open("SOLUC", Access::ReadWrite, Sharing::Exclusive));
}

TEST_F(TablesLock, SharedHolderAdmitsSharedReaders)
{
    LockHolder holder(folder.file("SOLUC.DBF"), false, elsewhere.file("release"));
    EXPECT_NO_THROW(store.open("SOLUC", Access::ReadOnly, Sharing::Shared));
    expectInUse(opening(Access::ReadWrite, Sharing::Exclusive));
    expectInUse([this] { store.buildTable("SOLUC", {{"B", FieldKind::Integer}}); });
}

TEST_F(TablesLock, OurOwnOpensExcludeEachOther)
{
    auto first = store.open("SOLUC", Access::ReadOnly, Sharing::Shared);
    auto second = store.open("SOLUC", Access::ReadOnly, Sharing::Shared);
    expectInUse(opening(Access::ReadWrite, Sharing::Exclusive));
    first->close();
    second.reset();
    auto exclusive = store.open("SOLUC", Access::ReadWrite, Sharing::Exclusive);
    expectInUse(opening(Access::ReadOnly, Sharing::Shared));
    exclusive->close();
    EXPECT_NO_THROW(store.open("SOLUC", Access::ReadOnly, Sharing::Shared));
}

TEST_F(TablesLock, BuildingHoldsTheOldTableUntilCommit)
{
    auto built = store.buildTable("SOLUC", {{"B", FieldKind::Integer}});
    expectInUse(opening(Access::ReadOnly, Sharing::Shared));
    built->commit();
    auto table = store.open("SOLUC", Access::ReadOnly, Sharing::Shared);
    EXPECT_TRUE(table->hasField("B"));
}

}  // namespace
}  // namespace tt
