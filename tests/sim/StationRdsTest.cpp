// The emulated stations' RDS, read back by the receivers' decoder: name,
// text, programme type, traffic flags, alternative frequencies, clock time
// and the song's title and artist.

#include "RdsDecoder.h"
#include "StationRds.h"

#include <gtest/gtest.h>

TEST(StationRds, EveryStationSendsWhatTheDecoderShows)
{
    const auto list = TStationList::Parse(QStringLiteral("FM 88.600 stereo Harbour FM\n"
                                                         "FM 97.700 mono Valley Community Radio Of The North\n"
                                                         "FM 107.900 stereo Late Night Jazz\n"),
                                          nullptr);
    ASSERT_TRUE(list);
    struct Case {
        int index;
        const char* ps;
        const char* firstText;
        int pty;
        bool tp;
        std::vector<double> af;
    };
    const Case cases[] = {
        {0, "Harbour ", "Harbour FM on 88.6 MHz", 10, true, {98.6}},
        {1, "Valley C", "Valley Community Radio Of The North on 97.7 MHz", 1, false, {87.7, 107.7}},
        {2, "Late Nig", "Late Night Jazz on 107.9 MHz", 10, true, {97.9}},
    };
    // A quarter past noon, an hour east of Greenwich.
    const QDateTime clock(QDate(2026, 12, 7), QTime(12, 15), Qt::OffsetFromUTC, 3600);
    for (const Case& c : cases) {
        const TSimStation& station = list->Stations()[std::size_t(c.index)];
        TRdsDecoder rds;
        std::int64_t k = 0;
        for (; k < 100; ++k) rds.Feed(StationRdsGroup(*list, station, k, clock));
        EXPECT_EQ(rds.Pi(), 0xC000 + c.index);
        EXPECT_EQ(rds.Ps(), QString::fromLatin1(c.ps));
        EXPECT_EQ(rds.Rt(), QString::fromLatin1(c.firstText));
        EXPECT_EQ(rds.Pty(), c.pty);
        EXPECT_EQ(rds.Tp(), c.tp);
        EXPECT_EQ(rds.Ta(), false);
        EXPECT_EQ(rds.Af(), c.af) << c.ps;
        ASSERT_TRUE(rds.Clock()) << c.ps;
        EXPECT_EQ(rds.Clock()->toString(Qt::ISODate), QStringLiteral("2026-12-07T12:15:00+01:00"));
        EXPECT_TRUE(rds.Title().isEmpty());
        // Ten seconds in, the song: a new text, tagged.
        for (; k < 400; ++k) rds.Feed(StationRdsGroup(*list, station, k, clock));
        const QString title = StationSongTitle(*list, station), artist = StationSongArtist(*list, station);
        // A text is 64 characters at most: the long name's leaves only part
        // of the artist, and the tag takes that part.
        const QString text = QStringLiteral("%1: %2 by %3").arg(station.name, title, artist).left(64);
        EXPECT_EQ(rds.Rt(), text) << c.ps;
        EXPECT_EQ(rds.Rt(), StationRadioText(*list, station, k));
        EXPECT_EQ(rds.Title(), title) << c.ps;
        EXPECT_EQ(rds.Artist(), text.endsWith(artist) ? artist : artist.left(text.size() - text.lastIndexOf(QStringLiteral(" by ")) - 4))
            << c.ps;
        // The traffic announcement of the fifth minute, on traffic stations only.
        for (k = 4 * 684; k < 4 * 684 + 10; ++k) rds.Feed(StationRdsGroup(*list, station, k, clock));
        EXPECT_EQ(rds.Ta(), c.tp) << c.ps;
    }
    // Without a clock no time is sent.
    TRdsDecoder rds;
    for (std::int64_t k = 0; k < 100; ++k) rds.Feed(StationRdsGroup(*list, list->Stations()[0], k));
    EXPECT_FALSE(rds.Clock());
    EXPECT_EQ(rds.Ps(), QStringLiteral("Harbour "));
}
