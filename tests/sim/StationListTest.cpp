#include "StationList.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(StationList, BuiltInListHasBothBandsAndBothModes)
{
    const TStationList list = TStationList::BuiltIn();
    const TSimStation* fm = list.Find(bFM, 95.0);
    ASSERT_NE(fm, nullptr);
    EXPECT_TRUE(fm->stereo);
    EXPECT_NE(list.Find(bAM, 0.603), nullptr);
    EXPECT_EQ(list.Find(bFM, 0.603), nullptr) << "bands are kept apart";
    EXPECT_EQ(list.Find(bFM, 95.005), nullptr) << "only the tuned channel is heard";
    bool mono = false;
    for (const TSimStation& s : list.Stations()) mono |= !s.stereo;
    EXPECT_TRUE(mono);
}

TEST(StationList, ParsesTheTextFormat)
{
    QString why;
    auto list = TStationList::Parse(QStringLiteral("# comment\n\nFM\t99,500 \tmono  Two\tWords\n"
                                                   "am 1.404 STEREO\n"),
                                    &why);
    ASSERT_TRUE(list) << why.toStdString();
    ASSERT_EQ(list->Stations().size(), 2u);
    EXPECT_EQ(list->Stations()[0].name, QStringLiteral("Two Words"));
    EXPECT_DOUBLE_EQ(list->Stations()[0].mhz, 99.5);
    EXPECT_EQ(list->Stations()[1].band, bAM);
    EXPECT_TRUE(list->Stations()[1].stereo);
}

TEST(StationList, RejectsBadLinesWithTheLineNumber)
{
    QString why;
    EXPECT_FALSE(TStationList::Parse(QStringLiteral("FM 95 stereo ok\nLW 0.2 mono x\n"), &why));
    EXPECT_TRUE(why.startsWith(QStringLiteral("line 2"))) << why.toStdString();
    EXPECT_FALSE(TStationList::Parse(QStringLiteral("FM abc stereo x"), &why));
    EXPECT_FALSE(TStationList::Parse(QStringLiteral("FM 95 loud x"), &why));
    EXPECT_FALSE(TStationList::Parse(QStringLiteral("FM 95"), &why));
    EXPECT_FALSE(TStationList::Load(QStringLiteral("/nonexistent/stations.txt"), &why));
    EXPECT_TRUE(why.contains(QStringLiteral("/nonexistent/stations.txt")));
    // A device that never ends, or a file larger than any list, is refused, not read into memory.
    EXPECT_FALSE(TStationList::Load(QStringLiteral("/dev/zero"), &why));
    EXPECT_TRUE(why.contains(QStringLiteral("not a regular file"))) << why.toStdString();
    QTemporaryDir dir;
    QFile huge(dir.filePath(QStringLiteral("huge.txt")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize((1 << 20) + 1));
    EXPECT_FALSE(TStationList::Load(huge.fileName(), &why));
    EXPECT_TRUE(why.contains(QStringLiteral("larger than 1024 KiB"))) << why.toStdString();
}
