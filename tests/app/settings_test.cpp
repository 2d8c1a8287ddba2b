// SPDX-License-Identifier: GPL-3.0-or-later
// The one settings store: what older builds stored is carried over once, and a bad value read
// back gives its default with one warning, while the stored text stays for the user to fix.
#include "app/settings.h"

#include <gtest/gtest.h>

#include <ostream>

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

}  // namespace
}  // namespace mirelta
