#include "QtExportWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <string>

#include <sys/resource.h>

namespace korvel {
namespace {

constexpr std::string_view kExport = "KORVEL-Basket 2.0\r\n;1;Pepe \x80;\r\n";
const std::string kEarlier = "an earlier export that must survive\r\n";

class QtExportWriterTest : public ::testing::Test {
protected:
    std::string path(const QString& name) const { return folder.filePath(name).toStdString(); }

    static std::string contents(const std::string& path)
    {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly)) {
            return "<unreadable>";
        }
        return file.readAll().toStdString();
    }

    static void put(const std::string& path, const std::string& bytes)
    {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
    }

    QStringList entries() const { return QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }

    QTemporaryDir folder;
    QtExportWriter writer;
};

TEST_F(QtExportWriterTest, CreatesTheFileWithExactlyTheBytes)
{
    ASSERT_TRUE(folder.isValid());
    EXPECT_TRUE(writer.write(path("new.txt"), kExport));
    EXPECT_EQ(contents(path("new.txt")), kExport);
    EXPECT_EQ(entries(), QStringList{"new.txt"});
}

TEST_F(QtExportWriterTest, ReplacesTheContentsOfAnExistingFile)
{
    put(path("old.txt"), kEarlier + kEarlier);
    EXPECT_TRUE(writer.write(path("old.txt"), kExport));
    EXPECT_EQ(contents(path("old.txt")), kExport);
    EXPECT_EQ(entries(), QStringList{"old.txt"});
}

TEST_F(QtExportWriterTest, FailsWhereNoFileCanBeMade)
{
    put(path("plain.txt"), kEarlier);
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder"));
    put(path("folder/inside.txt"), kEarlier);

    EXPECT_FALSE(writer.write(path("missing/export.txt"), kExport));      // a folder that does not exist
    EXPECT_FALSE(writer.write(path("plain.txt/export.txt"), kExport));    // a file where a folder should be
    EXPECT_FALSE(writer.write(path("folder"), kExport));                  // the target is a folder

    EXPECT_EQ(contents(path("plain.txt")), kEarlier);
    EXPECT_EQ(contents(path("folder/inside.txt")), kEarlier);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(path("folder"))).isDir());
    EXPECT_EQ(entries(), (QStringList{"folder", "plain.txt"}));
}

// The process may not grow any file past a few bytes, as on a full disk. This holds for
// root too, unlike a read-only folder.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(QtExportWriterTest, FullDiskLeavesTheEarlierFileIntact)
{
    put(path("export.txt"), kEarlier);
    const std::string large(64 * 1024, ';');
    bool written = true;
    {
        const FileSizeLimit limit(8);
        written = writer.write(path("export.txt"), large);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(contents(path("export.txt")), kEarlier);
    EXPECT_EQ(entries(), QStringList{"export.txt"});
}

}  // namespace
}  // namespace korvel
