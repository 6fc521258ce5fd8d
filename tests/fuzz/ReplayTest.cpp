// Every seed of the fuzz targets and every input that ever broke one, run
// through the same oracle as the fuzz target, so a fault once found stays found.

#include "Oracles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct tTarget {
    const char* Name;
    QString (*Oracle)(const QByteArray&);
};

const tTarget Targets[] = {{"presets", CheckPresetsFile},
                           {"settings", CheckSettingsFile},
                           {"helpers", CheckHelpers},
                           {"script", CheckScriptFile},
                           {"archive", CheckArchiveFile}};

void PrintTo(const tTarget& target, std::ostream* out) { *out << target.Name; }

class FuzzReplay : public ::testing::TestWithParam<tTarget> {};

TEST_P(FuzzReplay, EverySeedAndRegressionKeepsTheOracle)
{
    int seeds = 0;
    for (const char* folder : {"corpus", "regressions"}) {
        const QDir dir(QStringLiteral(VANTORO_FUZZ_DIR "/%1/%2")
                           .arg(QLatin1String(folder), QLatin1String(GetParam().Name)));
        for (const QString& name : dir.entryList(QDir::Files)) {
            QFile file(dir.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
            EXPECT_EQ(GetParam().Oracle(file.readAll()).toStdString(), "")
                << dir.filePath(name).toStdString();
            seeds += folder[0] == 'c';
        }
    }
    EXPECT_GT(seeds, 0) << "no seeds for " << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, ::testing::ValuesIn(Targets),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
