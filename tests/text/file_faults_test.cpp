// Reading and replacing files where the file system works against the program: files and folders
// of other users, links, special files, full disks, interrupted saves.
#include "support/child_process.h"
#include "support/temp_dir.h"
#include "text/document_text.h"
#include "text/error_text.h"
#include "text/win1250.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace wertan;
using wertan::test::ChildResult;
using wertan::test::ChildUser;
using wertan::test::TempDir;

namespace {

QByteArray name(const QString& path) {
    return QFile::encodeName(path);
}

struct stat statOf(const QString& path) {
    struct stat st {};
    ::lstat(name(path).constData(), &st);
    return st;
}

// The names in a folder other than the ones given.
QStringList othersIn(const QString& folder, const QStringList& known) {
    QStringList found =
        QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& k : known)
        found.removeAll(k);
    return found;
}

// A save run in a child: "1" and nothing else on success, "0" and the error text on failure.
std::string saveResult(const QString& path, const std::string& bytes) {
    QString error;
    const bool ok = writeFileAtomically(path, bytes, &error);
    return (ok ? "1" : "0") + error.toStdString();
}

// A folder that the user nobody can reach: the test's temporary folder is private to root.
class SharedFolder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(::chmod(name(dir.path()).constData(), 0755), 0); }
    QString make(const QString& relative, const QByteArray& bytes, mode_t mode, uid_t owner, gid_t group) {
        const QString path = dir.write(relative, bytes);
        EXPECT_EQ(::chown(name(path).constData(), owner, group), 0);
        EXPECT_EQ(::chmod(name(path).constData(), mode), 0);
        return path;
    }
    QString folder(const QString& relative, mode_t mode, uid_t owner, gid_t group) {
        const QString path = dir.file(relative);
        QDir().mkpath(path);
        EXPECT_EQ(::chown(name(path).constData(), owner, group), 0);
        EXPECT_EQ(::chmod(name(path).constData(), mode), 0);
        return path;
    }
    TempDir dir;
};

// Who owns the file and its folder, and what a user who is not root may do with them.
struct OwnerCase {
    const char* what;
    mode_t folderMode;
    bool folderOfNobody;
    mode_t fileMode;
    bool fileOfNobody;
    bool fileGroupIsRoot; // else nobody's own group
    bool saves;
    bool replacedByRename; // else written in place, the same file
    const char* reason;    // in the error, when it does not save
};

const OwnerCase kOwnerCases[] = {
    {"the user's own file in the user's own folder", 0755, true, 0640, true, false, true, true, ""},
    {"a read-only file of another user in a folder the user may write", 0777, false, 0444, false, false,
     false, false, "Brak uprawnień"},
    {"a shared file of another user, group-writable, in a shared set-group folder", 02775, false, 0664, false,
     false, true, false, ""},
    {"the user's file whose group the user is not in", 0777, false, 0644, true, true, true, false, ""},
    {"the user's file in a folder the user may not write", 0755, false, 0644, true, false, true, false, ""},
    {"a file nobody may write in a folder nobody may write", 0755, false, 0444, true, false, false, false,
     "Brak uprawnień"},
};

class SaveByOwner : public SharedFolder, public ::testing::WithParamInterface<OwnerCase> {};

TEST_P(SaveByOwner, KeepsTheOwnerOrRefuses) {
    if (!test::canDropToNobody()) GTEST_SKIP() << "needs root to act as the user nobody";
    const OwnerCase& c = GetParam();
    const uid_t nobody = test::nobodyUid();
    const gid_t nogroup = test::nobodyGid();
    const QString site = folder(QStringLiteral("site"), c.folderMode, c.folderOfNobody ? nobody : 0,
                                c.folderMode & 02000 ? nogroup : 0);
    const QString path = make(QStringLiteral("site/index.php"), "old text", c.fileMode,
                              c.fileOfNobody ? nobody : 0, c.fileGroupIsRoot ? 0 : nogroup);
    const struct stat before = statOf(path);

    const ChildResult result =
        test::runInChild([&] { return saveResult(path, "new text"); }, ChildUser{true, -1, {}});
    ASSERT_TRUE(result.finished) << c.what;
    ASSERT_FALSE(result.output.empty()) << c.what;
    const struct stat after = statOf(path);
    EXPECT_EQ(after.st_uid, before.st_uid) << c.what << ": the owner is kept";
    EXPECT_EQ(after.st_gid, before.st_gid) << c.what << ": the group is kept";
    EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777) << c.what;
    EXPECT_EQ(othersIn(site, {QStringLiteral("index.php")}), QStringList())
        << c.what << ": nothing left behind";
    if (c.saves) {
        EXPECT_EQ(result.output, "1") << c.what;
        EXPECT_EQ(test::readAll(path), QByteArray("new text")) << c.what;
        EXPECT_EQ(after.st_ino != before.st_ino, c.replacedByRename) << c.what;
    } else {
        EXPECT_EQ(result.output.substr(0, 1), "0") << c.what;
        const QString error = QString::fromStdString(result.output.substr(1));
        EXPECT_TRUE(error.startsWith(QStringLiteral("Nie można zapisać pliku ") + path))
            << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.reason))) << error.toStdString();
        EXPECT_EQ(test::readAll(path), QByteArray("old text")) << c.what;
        EXPECT_EQ(after.st_ino, before.st_ino) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(FilesUnderFaults, SaveByOwner, ::testing::ValuesIn(kOwnerCases));

// Mounts a small file system of its own over `where`, in a namespace private to the child.
bool mountSmallDisk(const QByteArray& where, const char* size) {
    return ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("tmpfs", where.constData(), "tmpfs", 0, size) == 0;
}

// Saves that cannot fit: the old file stays as it was, and the reason is given in Polish.
struct NoRoomCase {
    const char* what;
    bool inPlace;  // the folder cannot take a temporary file
    bool fullDisk; // else a file size limit
    const char* reason;
};

const NoRoomCase kNoRoomCases[] = {
    {"a full disk, temporary file beside", false, true, "Brak miejsca na dysku"},
    {"a full disk, written in place", true, true, "Brak miejsca na dysku"},
    {"a size limit, temporary file beside", false, false, "Plik jest za duży"},
    {"a size limit, written in place", true, false, "Plik jest za duży"},
};

class SaveWithoutRoom : public SharedFolder, public ::testing::WithParamInterface<NoRoomCase> {};

TEST_P(SaveWithoutRoom, LeavesTheOldFileAndSaysWhyInPolish) {
    if (!test::canDropToNobody()) GTEST_SKIP() << "needs root to mount a small disk and act as nobody";
    const NoRoomCase& c = GetParam();
    const QString disk = folder(QStringLiteral("disk"), 0755, false, 0);
    const std::string old(20000, 'o');
    const std::string fresh(200000, 'n');
    const ChildResult result = test::runInChild(
        [&]() -> std::string {
            const QString path = disk + QStringLiteral("/site/index.php");
            const std::string saved = saveResult(path, fresh);
            const QByteArray after = test::readAll(path);
            const bool intact = after == test::bytes(old);
            const QStringList rest = othersIn(disk + QStringLiteral("/site"), {QStringLiteral("index.php")});
            return saved + (intact ? "|intact" : "|CHANGED") + (rest.isEmpty() ? "" : "|LEFT BEHIND");
        },
        ChildUser{true, -1, [&] {
                      if (c.fullDisk && !mountSmallDisk(name(disk), "size=128k")) return false;
                      const QString site = disk + QStringLiteral("/site");
                      if (!QDir().mkpath(site)) return false;
                      const QString path = site + QStringLiteral("/index.php");
                      QFile file(path);
                      if (!file.open(QIODevice::WriteOnly) ||
                          file.write(old.data(), qint64(old.size())) != qint64(old.size()))
                          return false;
                      file.close();
                      if (::chown(name(path).constData(), test::nobodyUid(), test::nobodyGid()) != 0)
                          return false;
                      if (!c.inPlace &&
                          ::chown(name(site).constData(), test::nobodyUid(), test::nobodyGid()) != 0)
                          return false;
                      if (!c.fullDisk) {
                          std::signal(SIGXFSZ, SIG_IGN);
                          rlimit limit{60000, 60000};
                          if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
                      }
                      return true;
                  }});
    ASSERT_TRUE(result.finished) << c.what;
    ASSERT_NE(result.exitCode, 91) << c.what << ": the small disk could not be set up";
    EXPECT_EQ(result.output.substr(0, 1), "0") << c.what << ": " << result.output;
    EXPECT_NE(result.output.find(c.reason), std::string::npos) << c.what << ": " << result.output;
    EXPECT_NE(result.output.find("|intact"), std::string::npos) << c.what << ": " << result.output;
    EXPECT_EQ(result.output.find("LEFT BEHIND"), std::string::npos) << c.what << ": " << result.output;
}

INSTANTIATE_TEST_SUITE_P(FilesUnderFaults, SaveWithoutRoom, ::testing::ValuesIn(kNoRoomCases));

// Saves through symbolic links: the file at the end of the chain gets the text.
struct LinkCase {
    const char* what;
    const char* top; // the link the user opened
    const char* mid; // its target, "" when it links to the file directly
    bool absolute;   // links hold absolute paths
    bool endExists;
};

const LinkCase kLinkCases[] = {
    {"one relative link", "top.php", "", false, true},
    {"a chain of relative links", "top.php", "mid.php", false, true},
    {"a chain of absolute links", "top.php", "mid.php", true, true},
    {"a chain through another folder", "top.php", "other/mid.php", false, true},
    {"a chain whose end is not made yet", "top.php", "mid.php", false, false},
};

class SaveThroughLinks : public ::testing::TestWithParam<LinkCase> {};

TEST_P(SaveThroughLinks, WritesTheEndOfTheChainAndKeepsTheLinks) {
    const LinkCase& c = GetParam();
    TempDir dir;
    QDir().mkpath(dir.file(QStringLiteral("other")));
    QDir().mkpath(dir.file(QStringLiteral("real")));
    const QString end = dir.file(QStringLiteral("real/target.php"));
    if (c.endExists) dir.write(QStringLiteral("real/target.php"), "old");
    const QString top = dir.file(QString::fromUtf8(c.top));
    const QString mid = *c.mid ? dir.file(QString::fromUtf8(c.mid)) : QString();
    auto link = [&](const QString& from, const QString& to) {
        const QString text = c.absolute ? to : QFileInfo(from).absoluteDir().relativeFilePath(to);
        ASSERT_EQ(::symlink(name(text).constData(), name(from).constData()), 0);
    };
    if (mid.isEmpty()) {
        link(top, end);
    } else {
        link(mid, end);
        link(top, mid);
    }
    QString error;
    ASSERT_TRUE(writeFileAtomically(top, "new", &error)) << c.what << ": " << error.toStdString();
    EXPECT_EQ(test::readAll(end), QByteArray("new")) << c.what;
    EXPECT_TRUE(QFileInfo(top).isSymLink()) << c.what;
    if (!mid.isEmpty()) {
        EXPECT_TRUE(QFileInfo(mid).isSymLink()) << c.what;
    }
    EXPECT_EQ(QFileInfo(followSymlinks(top)).canonicalFilePath(), QFileInfo(end).canonicalFilePath())
        << c.what;
    EXPECT_EQ(othersIn(dir.file(QStringLiteral("real")), {QStringLiteral("target.php")}), QStringList())
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(FilesUnderFaults, SaveThroughLinks, ::testing::ValuesIn(kLinkCases));

TEST(SaveThroughLinks, ALoopOfLinksIsReportedAndNothingIsWritten) {
    TempDir dir;
    const QString a = dir.file(QStringLiteral("a.php"));
    const QString b = dir.file(QStringLiteral("b.php"));
    ASSERT_EQ(::symlink("b.php", name(a).constData()), 0);
    ASSERT_EQ(::symlink("a.php", name(b).constData()), 0);
    QString error;
    EXPECT_FALSE(writeFileAtomically(a, "x", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Za dużo poziomów dowiązań symbolicznych")))
        << error.toStdString();
    EXPECT_TRUE(QFileInfo(a).isSymLink());
    EXPECT_TRUE(QFileInfo(b).isSymLink());
}

// Temporary files that an interrupted save left beside a document.
struct LeftoverCase {
    const char* what;
    const char* name;
    mode_t mode;
    bool held; // a running save holds it
    bool removed;
};

const LeftoverCase kLeftoverCases[] = {
    {"a leftover of this document", "index.php.wertan-Ab3dE9", 0600, false, true},
    {"a leftover that a running save holds", "index.php.wertan-Ab3dE9", 0600, true, false},
    {"a leftover of another document", "other.php.wertan-Ab3dE9", 0600, false, false},
    {"the user's file of a similar name", "index.php.wertan-backup", 0644, false, false},
    {"the user's file of a similar name, other letters", "index.php.wertan-copy.1", 0600, false, false},
};

class LeftoverTemporaries : public ::testing::TestWithParam<LeftoverCase> {};

TEST_P(LeftoverTemporaries, AreRemovedOnlyWhenTheyAreTheProgramsAndNoSaveHoldsThem) {
    const LeftoverCase& c = GetParam();
    TempDir dir;
    const QString path = dir.write(QStringLiteral("index.php"), "old");
    const QString leftover = dir.write(QString::fromUtf8(c.name), "half a save");
    ASSERT_EQ(::chmod(name(leftover).constData(), c.mode), 0);
    int holder = -1;
    if (c.held) {
        holder = ::open(name(leftover).constData(), O_RDONLY);
        ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    }
    QString error;
    ASSERT_TRUE(writeFileAtomically(path, "new", &error)) << error.toStdString();
    EXPECT_EQ(QFileInfo::exists(leftover), !c.removed) << c.what;
    if (holder >= 0) ::close(holder);
    EXPECT_EQ(test::readAll(path), QByteArray("new"));
}

INSTANTIATE_TEST_SUITE_P(FilesUnderFaults, LeftoverTemporaries, ::testing::ValuesIn(kLeftoverCases));

TEST(LeftoverTemporaries, ASaveKilledHalfWayLeavesTheOldFileAndNothingBeside) {
    TempDir dir;
    const QString path = dir.write(QStringLiteral("big.php"), "old");
    int started[2];
    ASSERT_EQ(::pipe(started), 0);
    const ChildResult result = test::runInChild(
        [&]() -> std::string {
            const std::string piece(1 << 20, 'n');
            QString error;
            writeFileAtomically(
                path, 400ull << 20,
                [&](const PieceSink& put) {
                    for (int i = 0; i < 400; ++i) {
                        if (!put(piece)) return false;
                        if (i == 2) {
                            const char go = 1;
                            [[maybe_unused]] const ssize_t n = ::write(started[1], &go, 1);
                            ::pause(); // the parent kills the save here
                        }
                    }
                    return true;
                },
                &error);
            return "finished";
        },
        ChildUser{false, -1, [&] {
                      // The killer runs beside the save, as a second child of the test.
                      const pid_t saver = ::getpid();
                      if (::fork() == 0) {
                          char go;
                          if (::read(started[0], &go, 1) == 1) ::kill(saver, SIGKILL);
                          ::_exit(0);
                      }
                      return true;
                  }});
    ::close(started[0]);
    ::close(started[1]);
    EXPECT_FALSE(result.finished) << "the save was killed";
    EXPECT_EQ(test::readAll(path), QByteArray("old"));
    QString error;
    ASSERT_TRUE(writeFileAtomically(path, "new", &error)) << error.toStdString();
    EXPECT_EQ(othersIn(dir.path(), {QStringLiteral("big.php")}), QStringList());
}

// Things that are not regular files, where a stored file or a document should be.
struct SpecialCase {
    const char* what;
    const char* kind; // "fifo", "folder", "socket", "missing", or a system path
    const char* reason;
};

const SpecialCase kSpecialCases[] = {
    {"a FIFO", "fifo", "potok (FIFO)"},
    {"a folder", "folder", "To jest folder"},
    {"a socket", "socket", "gniazdo"},
    {"a missing file", "missing", "Nie ma takiego pliku ani folderu"},
    {"an endless device", "/dev/zero", "urządzenie"},
    {"an empty device", "/dev/null", "urządzenie"},
    {"a dangling link", "dangling", "Nie ma takiego pliku ani folderu"},
};

class SpecialFiles : public ::testing::TestWithParam<SpecialCase> {
protected:
    QString make(const SpecialCase& c) {
        const QString kind = QString::fromUtf8(c.kind);
        if (kind.startsWith(QLatin1Char('/'))) return kind;
        const QString path = dir.file(QStringLiteral("prog.dat2"));
        if (kind == QLatin1String("fifo")) {
            EXPECT_EQ(::mkfifo(name(path).constData(), 0644), 0);
        }
        if (kind == QLatin1String("folder")) QDir().mkpath(path);
        if (kind == QLatin1String("dangling")) {
            EXPECT_EQ(::symlink("nowhere", name(path).constData()), 0);
        }
        if (kind == QLatin1String("socket")) {
            socket_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            const QByteArray bytes = name(path);
            std::memcpy(address.sun_path, bytes.constData(), std::size_t(bytes.size()));
            EXPECT_EQ(::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        }
        return path;
    }
    void TearDown() override {
        if (socket_ >= 0) ::close(socket_);
    }
    TempDir dir;
    int socket_ = -1;
};

TEST_P(SpecialFiles, AreNotReadAndTheReasonIsGiven) {
    const SpecialCase& c = GetParam();
    const QString path = make(c);
    // In a child with a time limit: a reader that waits on a FIFO would hang the test run.
    const ChildResult result = test::runInChild(
        [&] {
            std::string bytes;
            QString error;
            const bool read = readFileBytes(path, &bytes, &error);
            return (read ? "1" : "0") + error.toStdString();
        },
        {}, 10);
    ASSERT_TRUE(result.finished) << c.what << ": the read did not end";
    EXPECT_EQ(result.output.substr(0, 1), "0") << c.what;
    const QString error = QString::fromStdString(result.output.substr(1));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Nie można otworzyć pliku ") + path)) << error.toStdString();
    EXPECT_TRUE(error.contains(QString::fromUtf8(c.reason))) << c.what << ": " << error.toStdString();
}

// Saves over them (system files such as /dev/null are not written by tests).
class SpecialFilesSaved : public SpecialFiles {};

TEST_P(SpecialFilesSaved, AreNotReplaced) {
    const SpecialCase& c = GetParam();
    const QString path = make(c);
    const struct stat before = statOf(path);
    const ChildResult result = test::runInChild([&] { return saveResult(path, "x"); }, {}, 10);
    ASSERT_TRUE(result.finished) << c.what;
    EXPECT_EQ(result.output.substr(0, 1), "0") << c.what;
    EXPECT_NE(result.output.find(c.reason), std::string::npos) << c.what << ": " << result.output;
    EXPECT_EQ(statOf(path).st_ino, before.st_ino) << c.what << ": still there, not replaced";
    EXPECT_EQ(othersIn(dir.path(), {QStringLiteral("prog.dat2")}), QStringList()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(FilesUnderFaults, SpecialFiles, ::testing::ValuesIn(kSpecialCases));
INSTANTIATE_TEST_SUITE_P(FilesUnderFaults, SpecialFilesSaved,
                         ::testing::ValuesIn(kSpecialCases, kSpecialCases + 3));

TEST(SpecialFiles, FilesOfUnknownSizeAreReadToTheirEnd) {
    std::string bytes;
    QString error;
    ASSERT_TRUE(readFileBytes(QStringLiteral("/proc/self/status"), &bytes, &error)) << error.toStdString();
    EXPECT_NE(bytes.find("Pid:"), std::string::npos);
    EXPECT_NE(bytes.find("VmRSS"), std::string::npos) << "read past the first block";
}

// The reasons of failures, in Polish for the common causes.
struct ReasonCase {
    int code;
    const char* text;
};

const ReasonCase kReasonCases[] = {
    {EACCES, "Brak uprawnień"},
    {ENOENT, "Nie ma takiego pliku ani folderu"},
    {ENOSPC, "Brak miejsca na dysku"},
    {EROFS, "System plików jest tylko do odczytu"},
    {EFBIG, "Plik jest za duży"},
    {EISDIR, "To jest folder, a nie plik"},
    {ECONNREFUSED, "Połączenie odrzucone"},
    {ETIMEDOUT, "Przekroczony czas oczekiwania"},
    {kErrorHostNotFound, "Nie znaleziono komputera o tej nazwie"},
};

TEST(PolishReasons, CommonCausesAreInPolishWhetherGivenAsCodeOrAsTheSystemsText) {
    for (const ReasonCase& c : kReasonCases) {
        EXPECT_EQ(polishErrorReason(c.code), QString::fromUtf8(c.text)) << c.code;
        if (c.code > 0) {
            EXPECT_EQ(polishErrorReason(QString::fromLocal8Bit(std::strerror(c.code))),
                      QString::fromUtf8(c.text))
                << c.code;
        }
    }
    EXPECT_EQ(polishErrorReason(QStringLiteral("Host not found")),
              QStringLiteral("Nie znaleziono komputera o tej nazwie"));
    EXPECT_EQ(polishErrorReason(QStringLiteral("Connection refused")),
              QStringLiteral("Połączenie odrzucone"));
}

TEST(PolishReasons, OtherCausesKeepTheSystemsTextAndNothingIsUnknown) {
    EXPECT_EQ(polishErrorReason(EDOM), QString::fromLocal8Bit(std::strerror(EDOM)));
    EXPECT_EQ(polishErrorReason(QStringLiteral("Some other trouble")), QStringLiteral("Some other trouble"));
    EXPECT_EQ(polishErrorReason(QStringLiteral("Unknown error"), ENOSPC),
              QStringLiteral("Brak miejsca na dysku"));
    EXPECT_EQ(polishErrorReason(QString(), EACCES), QStringLiteral("Brak uprawnień"));
    EXPECT_FALSE(polishErrorReason(QStringLiteral("Unknown error")).contains(QStringLiteral("Unknown")));
}

} // namespace

namespace {

// A large document is saved in pieces: the pieces together are the bytes a whole conversion gives.
TEST(DocumentSavedInPieces, GivesTheSameBytesAsAWholeConversionAtAnyPieceSize) {
    const std::string texts[] = {
        "",
        "\n",
        "no line end",
        "a\r\nb\rc\nd",
        "ends with CR\r",
        "\r\r\n\n\r",
        "za\xc5\xbc\xc3\xb3\xc5\x82\xc4\x87 g\xc4\x99\xc5\x9bl\xc4\x85 ja\xc5\xba\xc5\x84\r\n", // Polish
                                                                                                // letters
        "outside the code page: \xe2\x82\xac \xf0\x9f\x98\x80 \xe4\xb8\xad\n",
        "broken: \xc5 \x80\x80\x80\x80\x80 \xe2\x82 \xff\r\n",
        std::string(1000, 'x') + "\r" + std::string(7, '\xc5') + "\n\xc4\x85",
    };
    for (const std::string& text : texts) {
        std::size_t wholeLost = 0;
        // Windows-1250, every line end kept as the text holds it.
        const std::string whole = utf8ToWin1250(text, &wholeLost);
        for (const std::size_t pieceSize :
             {std::size_t(8), std::size_t(9), std::size_t(13), std::size_t(1) << 20}) {
            const DocumentFileBytes pieces(text, TextEncoding::Windows1250, false, pieceSize);
            std::string joined;
            ASSERT_TRUE(pieces.produce([&](std::string_view piece) {
                joined.append(piece);
                return true;
            }));
            EXPECT_EQ(joined, whole) << "piece size " << pieceSize << ", text "
                                     << testing::PrintToString(text);
            EXPECT_EQ(pieces.size(), whole.size());
            EXPECT_EQ(pieces.unrepresentable(), wholeLost);
            // UTF-8 documents are their text, behind the byte order mark when they have one.
            const DocumentFileBytes utf8(text, TextEncoding::Utf8, true, pieceSize);
            std::string joinedUtf8;
            ASSERT_TRUE(utf8.produce([&](std::string_view piece) {
                joinedUtf8.append(piece);
                return true;
            }));
            EXPECT_EQ(joinedUtf8, std::string(kUtf8Mark) + text);
            EXPECT_EQ(utf8.size(), kUtf8Mark.size() + text.size());
            EXPECT_EQ(utf8.unrepresentable(), 0u);
        }
    }
}

TEST(DocumentSavedInPieces, AFailedPieceStopsTheSaveAndTheOldFileStays) {
    TempDir dir;
    const QString path = dir.write(QStringLiteral("a.php"), "old");
    const std::string text(100, 'x');
    const DocumentFileBytes bytes(text, TextEncoding::Windows1250, false, 10);
    int pieces = 0;
    QString error;
    EXPECT_FALSE(writeFileAtomically(
        path, bytes.size(),
        [&](const PieceSink& put) {
            return bytes.produce([&](std::string_view piece) { return ++pieces < 3 && put(piece); });
        },
        &error));
    EXPECT_EQ(pieces, 3);
    EXPECT_EQ(test::readAll(path), QByteArray("old"));
    EXPECT_EQ(othersIn(dir.path(), {QStringLiteral("a.php")}), QStringList());
}

} // namespace
