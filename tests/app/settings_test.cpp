// SPDX-License-Identifier: GPL-3.0-or-later
// The one settings store: what older builds stored is carried over once, and a bad value read
// back gives its default with one warning, while the stored text stays for the user to fix. A
// store that is not a regular file is left alone.
#include "app/settings.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <utility>

#include "app/settings_files.h"
#include "fixtures/scratch_folder.h"
#include "mirelta_version.h"

namespace mirelta {
namespace {

const QString kPass = QStringLiteral("verdict/passMargin");
const QString kFail = QStringLiteral("verdict/failMargin");

QStringList logged;

void KeepWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg) {
        logged.append(message);
    }
}

class SettingsStore : public ::testing::Test {
  protected:
    void SetUp() override {
        newStore.clear();
        oldStore.clear();
        logged.clear();
        qInstallMessageHandler(KeepWarning);
    }
    void TearDown() override { qInstallMessageHandler(nullptr); }

    QSettings newStore{QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromLatin1(kApplicationId)};
    QSettings oldStore{QStringLiteral("Mirelta"), QStringLiteral("Mirelta")};
};

TEST_F(SettingsStore, CarriesOverWhatOlderBuildsStoredOnceAndKeepsTheirFile) {
    oldStore.setValue(kPass, 5.5);
    oldStore.setValue(kFail, -1.0);
    const QStringList recent{QStringLiteral("/m/b.dat"), QStringLiteral("/m/a.dat")};
    newStore.setValue(QStringLiteral("recentFiles"), recent);
    newStore.setValue(QStringLiteral("dialogs/openFolder"), QStringLiteral("/m"));
    newStore.setValue(QStringLiteral("dialogs/saveFolder"), QStringLiteral("/shots"));

    const Settings first;
    EXPECT_EQ(first.thresholds().passMargin, 5.5);
    EXPECT_EQ(first.thresholds().failMargin, -1.0);
    EXPECT_EQ(first.recentFiles(), recent);
    EXPECT_EQ(first.openFolder(), QStringLiteral("/m"));
    EXPECT_EQ(first.saveFolder(), QStringLiteral("/shots"));
    EXPECT_EQ(oldStore.value(kPass).toDouble(), 5.5) << "older builds still read their store";

    // Once carried over, the old store is not read again.
    newStore.remove(kPass);
    oldStore.setValue(kFail, 2.0);
    const Settings second;
    EXPECT_EQ(second.thresholds().passMargin, Thresholds{}.passMargin);
    EXPECT_EQ(second.thresholds().failMargin, -1.0);
    EXPECT_TRUE(logged.isEmpty()) << logged.join('\n').toStdString();
}

struct BadMargins {
    const char* name;
    QString pass;
    QString fail;
    Thresholds expected;
    QString warnedKey;
};

void PrintTo(const BadMargins& margins, std::ostream* out) {
    *out << margins.name;
}

class BadMarginsRead : public SettingsStore, public ::testing::WithParamInterface<BadMargins> {};

TEST_P(BadMarginsRead, GiveTheDefaultAndOneWarningAndStayStored) {
    const BadMargins& c = GetParam();
    oldStore.setValue(kPass, c.pass);
    oldStore.setValue(kFail, c.fail);
    for (int run = 0; run < 2; ++run) {
        const Thresholds read = Settings().thresholds();
        EXPECT_EQ(read.passMargin, c.expected.passMargin);
        EXPECT_EQ(read.failMargin, c.expected.failMargin);
    }
    ASSERT_EQ(logged.size(), 1) << logged.join('\n').toStdString();
    EXPECT_TRUE(logged[0].contains(c.warnedKey)) << logged[0].toStdString();
    EXPECT_EQ(newStore.value(kPass).toString(), c.pass);
    EXPECT_EQ(newStore.value(kFail).toString(), c.fail);
}

INSTANTIATE_TEST_SUITE_P(Stored, BadMarginsRead,
                         ::testing::Values(BadMargins{"NaN", "nan", "1", {3.0, 1.0}, kPass},
                                           BadMargins{"Infinity", "5", "-inf", {5.0, 0.0}, kFail},
                                           BadMargins{"Huge", "1e300", "1", {3.0, 1.0}, kPass},
                                           BadMargins{"OutOfRange", "60", "-2", {3.0, -2.0}, kPass},
                                           BadMargins{"FailAbovePass", "2", "4", {3.0, 0.0}, kFail},
                                           BadMargins{
                                               "NotANumber", "4", "loud", {4.0, 0.0}, kFail}),
                         [](const auto& named) { return std::string(named.param.name); });

// The DVB-S2 allowance: 0 to 10 dB, else its default with one warning; it stays stored.
TEST_F(SettingsStore, S2AllowanceReadsBackOnlyFromZeroToTenDecibels) {
    const QString key = QStringLiteral("verdict/s2Allowance");
    struct Case {
        QString stored;
        double read;
        bool warned;
    };
    for (const Case& c :
         {Case{"1.5", 1.5, false}, Case{"0", 0.0, false}, Case{"10", 10.0, false},
          Case{"-0.1", 0.8, true}, Case{"10.5", 0.8, true}, Case{"nan", 0.8, true}}) {
        logged.clear();
        newStore.setValue(key, c.stored);
        EXPECT_EQ(Settings().thresholds().s2Allowance, c.read) << c.stored.toStdString();
        EXPECT_EQ(logged.size(), c.warned ? 1 : 0) << c.stored.toStdString();
        EXPECT_EQ(newStore.value(key).toString(), c.stored);
    }
}

// The LNB LO: 0 is "not known"; anything but a whole number of MHz in range is not known
// either, with one warning, and stays stored.
TEST_F(SettingsStore, LnbLoReadsBackOnlyAWholeNumberOfMegahertzInRange) {
    const QString key = QStringLiteral("analysis/lnbLo");
    struct Case {
        QString stored;
        std::optional<int> read;
        bool warned;
    };
    for (const Case& c :
         {Case{"9750", 9750, false}, Case{"0", std::nullopt, false}, Case{"-5", std::nullopt, true},
          Case{"100000", std::nullopt, true}, Case{"9750.5", std::nullopt, true}}) {
        logged.clear();
        newStore.setValue(key, c.stored);
        EXPECT_EQ(Settings().lnbLoMHz(), c.read) << c.stored.toStdString();
        EXPECT_EQ(logged.size(), c.warned ? 1 : 0) << c.stored.toStdString();
        EXPECT_EQ(newStore.value(key).toString(), c.stored);
    }
}

// The files checked before a store is opened are the ones the toolkit opens.
TEST(SettingsFiles, AreTheOnesTheToolkitOpens) {
    const QString id = QString::fromLatin1(kApplicationId);
    EXPECT_EQ(SettingsFilesOf(id).value(0),
              QSettings(QSettings::NativeFormat, QSettings::UserScope, id).fileName());
    const QString older = QStringLiteral("Mirelta");
    EXPECT_EQ(SettingsFilesOf(older, older).value(0), QSettings(older, older).fileName());
}

// The store's spellings of a serialised value, each checked against what the toolkit itself
// makes of it: the screen must refuse every one the toolkit would deserialise.
TEST(SettingsFiles, SerialisedValuesAreFoundHoweverTheyAreSpelled) {
    const QString character = QStringLiteral(R"((\0\0\0\a\0z))");  // a QChar, harmless
    struct Spelling {
        QString value;
        bool deserialised;
    } const spellings[] = {
        {"@Variant" + character, true},
        {"\"@Variant" + character + '"', true},
        {"x, @Va\"\"riant" + character, true},
        {R"(\x40Variant)" + character, true},
        {R"(\x10040Variant)" + character, true},  // 16 bits kept
        {R"(\100Variant)" + character, true},
        {R"(@\x56\141riant)" + character, true},
        {"@Var\\\r\niant" + character, true},
        {R"(\q@Variant)" + character, true},
        {R"q("@DateTime(\0\0\0\x10\0\0\0\0\0\0%=\x8c\0\0\0\0\0)")q", true},
        {R"(\@Variant)" + character, false},
        {R"(@Var\iant)" + character, false},
        {R"(@ByteArray(\x1\0\xff@))", false},
    };
    const fixtures::ScratchFolder folder;
    const QString file = QString::fromStdString((folder / "store.conf").string());
    for (const Spelling& spelling : spellings) {
        const QByteArray text = "[General]\nk=" + spelling.value.toLatin1() + '\n';
        QFile store(file);
        ASSERT_TRUE(store.open(QIODevice::WriteOnly | QIODevice::Truncate));
        store.write(text);
        store.close();
        const QVariant read = QSettings(file, QSettings::IniFormat).value("k");
        const QVariantList parts =
            read.typeId() == QMetaType::QVariantList ? read.toList() : QVariantList{read};
        const bool deserialised = std::any_of(parts.begin(), parts.end(), [](const QVariant& v) {
            return v.typeId() != QMetaType::QString && v.typeId() != QMetaType::QByteArray;
        });
        ASSERT_EQ(deserialised, spelling.deserialised) << "the toolkit reads " << text.data();
        EXPECT_EQ(HoldsSerialisedValue(text), spelling.deserialised) << text.data();
    }
}

namespace fs = std::filesystem;

struct UnusableFile {
    const char* name;
    std::function<void(const fs::path&)> make;
    QString why;
};

void PrintTo(const UnusableFile& file, std::ostream* out) {
    *out << file.name;
}

// Its kind, and its size if it has one.
std::pair<fs::file_type, std::uintmax_t> ShapeOf(const fs::path& path) {
    const fs::file_type kind = fs::symlink_status(path).type();
    return {kind, kind == fs::file_type::regular ? fs::file_size(path) : 0};
}

class UnusableStore : public ::testing::TestWithParam<UnusableFile> {};

TEST_P(UnusableStore, IsLeftAloneWhileTheWindowStartsWithOneWarning) {
    const fixtures::ScratchFolder config;
    const fs::path store = config / (std::string(kApplicationId) + ".conf");
    GetParam().make(store);
    const auto shape = ShapeOf(store);

    QProcess viewer;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(config.path().string()));
    environment.insert("XDG_CONFIG_DIRS", QString::fromStdString((config / "none").string()));
    environment.insert("MIRELTA_EXIT_AFTER_FIRST_PAINT", "1");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    viewer.setProcessEnvironment(environment);
    viewer.start(MIRELTA_VIEWER_PATH, {});
    // Reading a FIFO would block until a writer came: the window would never paint.
    if (!viewer.waitForFinished(15000)) {
        viewer.kill();
        viewer.waitForFinished();
        FAIL() << "the window did not come up";
    }
    EXPECT_EQ(viewer.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(viewer.exitCode(), 0);
    const QString log = QString::fromLocal8Bit(viewer.readAllStandardError());
    EXPECT_EQ(log.count(QString::fromStdString(store.string()) + ' ' + GetParam().why), 1)
        << log.toStdString();
    EXPECT_EQ(ShapeOf(store), shape);
    EXPECT_EQ(std::distance(fs::directory_iterator(config.path()), {}), 1) << "nothing beside it";
}

INSTANTIATE_TEST_SUITE_P(
    AtTheStorePath, UnusableStore,
    ::testing::Values(
        UnusableFile{"Fifo",
                     [](const fs::path& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); },
                     "is not a regular file"},
        UnusableFile{"Folder", [](const fs::path& path) { fs::create_directory(path); },
                     "is not a regular file"},
        // Not a link to a device: were the store ever written, the system's device would go.
        UnusableFile{"Socket",
                     [](const fs::path& path) {
                         sockaddr_un address{.sun_family = AF_UNIX, .sun_path = {}};
                         path.string().copy(address.sun_path, sizeof address.sun_path - 1);
                         const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
                         ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address),
                                          sizeof address),
                                   0);
                         ::close(fd);
                     },
                     "is not a regular file"},
        // Parsed whole, a million recent files held the window up and took over 100 MB.
        UnusableFile{"MillionsOfBytes",
                     [](const fs::path& path) {
                         std::ofstream out(path);
                         out << "[General]\nrecentFiles=/m/0.dat";
                         for (int k = 1; k < 100000; ++k) {
                             out << ", /m/" << k << ".dat";
                         }
                         out << '\n';
                     },
                     "is larger than 1048576 bytes"},
        // Read, its length would have the toolkit allocate 48 GB.
        UnusableFile{"HugeSerialisedList",
                     [](const fs::path& path) {
                         std::ofstream(path)
                             << R"(recentFiles=\x40Variant(\0\0\0\v\x7f\xff\xff\xff))" << '\n';
                     },
                     "holds a serialised value, which the window never stores"}),
    [](const auto& named) { return std::string(named.param.name); });

}  // namespace
}  // namespace mirelta
