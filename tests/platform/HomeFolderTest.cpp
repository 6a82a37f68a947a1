#include "platform/HomeFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(ChooseHomeFolder, TakesTheFirstWritableOfProgramDocumentsAndHome) {
    struct Case {
        const char* Name;
        QSet<QString> Writable;
        QString Documents;
        QString Expected;
    };
    const Case cases[] = {
        {"own folder writable",
         {"/opt/kvor/bin", "/home/u/Documents", "/home/u"},
         "/home/u/Documents",
         "/opt/kvor/bin/"},
        {"installed", {"/home/u/Documents", "/home/u"}, "/home/u/Documents", "/home/u/Documents/"},
        {"no documents folder", {"/home/u"}, "/home/u/Documents", "/home/u/"},
        {"documents location unknown", {"/home/u"}, "", "/home/u/"},
        {"nothing writable", {}, "/home/u/Documents", "/home/u/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto writable = [&c](const QString& folder) { return c.Writable.contains(folder); };
        EXPECT_EQ(kvor::ChooseHomeFolder("/opt/kvor/bin", c.Documents, "/home/u", writable),
                  c.Expected);
    }
}

TEST(ChooseHomeFolder, AppendsOneSlashOnly) {
    const auto all = [](const QString&) { return true; };
    EXPECT_EQ(kvor::ChooseHomeFolder("/usr/bin/", "/d", "/h", all), "/usr/bin/");
    EXPECT_EQ(kvor::ChooseHomeFolder("/usr/bin", "/d", "/h", all), "/usr/bin/");
}

// Real folders: a read-only program folder, a missing one and a file in place of a folder.
TEST(ChooseHomeFolder, ReadOnlyOrMissingProgramFolderFallsBackToDocuments) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString program = root.filePath("bin");
    const QString documents = root.filePath("Documents");
    ASSERT_TRUE(QDir().mkpath(program));
    ASSERT_TRUE(QDir().mkpath(documents));
    ASSERT_TRUE(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    const QString notAFolder = root.filePath("file");
    {
        QFile file(notAFolder);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    // Permission bits do not bind the superuser, and the access check knows it.
    const bool superuser = ::geteuid() == 0;
    EXPECT_EQ(kvor::FolderIsWritable(program), superuser);
    EXPECT_EQ(kvor::ChooseHomeFolder(program, documents, root.path()),
              (superuser ? program : documents) + "/");
    EXPECT_EQ(kvor::ChooseHomeFolder(root.filePath("missing/bin"), documents, root.path()),
              documents + "/");
    EXPECT_EQ(kvor::ChooseHomeFolder(notAFolder, root.filePath("missing"), root.path()),
              root.path() + "/");
    EXPECT_TRUE(kvor::FolderIsWritable(documents));
    EXPECT_FALSE(kvor::FolderIsWritable(notAFolder));
    EXPECT_FALSE(kvor::FolderIsWritable(""));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(ProgramHomeFolder, IsTheProgramsOwnFolderWhileThatIsWritable) {
    const QString own = QCoreApplication::applicationDirPath();
    ASSERT_TRUE(kvor::FolderIsWritable(own));
    EXPECT_EQ(kvor::ProgramHomeFolder(), own + "/");
}

} // namespace
