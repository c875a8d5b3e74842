#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

#include "shell/SingleCopyLock.h"

namespace oriastra {
namespace {

TEST(SingleCopyLock, SecondHolderIsRefusedUntilTheFirstEnds) {
    QTemporaryDir folder;
    const QString path = folder.filePath("kestrin-oriastra.lock");
    auto first = std::make_unique<SingleCopyLock>(path);
    ASSERT_TRUE(first->Acquire());
    SingleCopyLock second(path);
    EXPECT_FALSE(second.Acquire());
    first.reset();  // the system lets go with the descriptor, as when a copy is killed
    EXPECT_TRUE(second.Acquire());
}

TEST(SingleCopyLock, LockThatCannotBeMadeDoesNotStopTheProgram) {
    SingleCopyLock lock("/nonexistent-folder/kestrin-oriastra.lock");
    EXPECT_TRUE(lock.Acquire());
}

}  // namespace
}  // namespace oriastra
