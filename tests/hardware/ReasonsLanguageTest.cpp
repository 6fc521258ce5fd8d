// The reasons the receiver's sources, the recorder and the card model give
// reach the user in the user's language, with the names and numbers they
// carry: these layers have no widgets, so nothing translates them later.

#include "IqFileSource.h"
#include "RadioCards.h"
#include "Recorder.h"
#include "RecordingFiles.h"
#include "RtlSdrSource.h"
#include "RtlTcpSource.h"
#include "Translations.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace
{

struct tReason {
    const char* what;
    std::function<QString(const QString& dir)> say;
    const char* carries; // the name or number the text must keep
    const char* german;  // a phrase of the German catalogue
    const char* french;  // and of the French one
};

class ReasonsLanguage : public ::testing::Test
{
protected:
    void TearDown() override { UseLanguage(QStringLiteral("en")); }
};

} // namespace

TEST_F(ReasonsLanguage, TheLowerLayersSpeakTheUsersLanguage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();

    const tReason reasons[] = {
        {"a missing I/Q recording",
         [](const QString& d) {
             TIqFileSource source((d + QStringLiteral("/gone.cu8")).toStdString(), 0);
             EXPECT_FALSE(source.Open());
             return QString::fromStdString(source.Error());
         },
         "gone.cu8", "I/Q-Aufzeichnung", "enregistrement I/Q"},
        {"a dongle without permission",
         [](const QString&) { return QString::fromStdString(RtlSdrOpenError(-3, 7)); }, " 7.",
         "Keine Berechtigung", "Pas la permission"},
        {"a dongle the DVB-T driver holds",
         [](const QString&) { return QString::fromStdString(RtlSdrOpenError(-6, 3)); }, " 3.",
         "DVB-T-Treiber", "pilote DVB-T"},
        // Nothing listens on port 1: the connection is refused at once.
        {"an rtl_tcp server that is not there",
         [](const QString&) {
             TRtlTcpSource source("127.0.0.1", 1);
             EXPECT_FALSE(source.Open());
             return QString::fromStdString(source.Error());
         },
         "127.0.0.1:1", "rtl_tcp-Server unter", "serveur rtl_tcp"},
        {"a source that names no dongle",
         [](const QString&) {
             QString why;
             EXPECT_FALSE(ValidSdrSource(QStringLiteral("rtlsdr:first"), &why));
             return why;
         },
         "rtlsdr:first", "nennt keinen Stick", "ne désigne aucune clé"},
        {"a recording format the program cannot write",
         [](const QString& d) {
             TRecorder recorder;
             QString why;
             EXPECT_FALSE(recorder.Open(d + QStringLiteral("/x.xyz"), 2, &why));
             return why;
         },
         ".xyz", "kann hier nicht aufgenommen werden", "Impossible d'enregistrer"},
        {"a recording folder that is a file",
         [](const QString& d) {
             QString why;
             EXPECT_FALSE(MakeRecordingFolder(d + QStringLiteral("/plain"), &why));
             return why;
         },
         "plain", "ist kein Ordner", "n'est pas un dossier"},
        {"the SDR's name", [](const QString&) { return CardName(BuildModelTable()[mSdr]); }, "SDR",
         "SDR-Empfänger", "Récepteur SDR"},
    };
    for (const tReason& r : reasons) {
        SCOPED_TRACE(r.what);
        ASSERT_TRUE(UseLanguage(QStringLiteral("en")));
        const QString english = r.say(dir.path());
        EXPECT_TRUE(english.contains(QLatin1String(r.carries))) << english.toStdString();
        for (const auto& [language, phrase] :
             {std::pair{"de", r.german}, std::pair{"fr", r.french}}) {
            ASSERT_TRUE(UseLanguage(QLatin1String(language)));
            const QString said = r.say(dir.path());
            EXPECT_NE(said.toStdString(), english.toStdString()) << language;
            EXPECT_TRUE(said.contains(QString::fromUtf8(phrase)))
                << language << ": " << said.toStdString();
            EXPECT_TRUE(said.contains(QLatin1String(r.carries)))
                << language << ": " << said.toStdString();
        }
    }
}
