#include "Archive.h"
#include "Profile.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class ArchiveTest : public ::testing::Test {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QString Path() const { return dir.filePath(QStringLiteral("Vantoro.db")); }
    void WriteFile(const QByteArray& text)
    {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    // The file's rows as "[Archive]\nRows=N\nRow1=..".
    void WriteRows(const QStringList& rows)
    {
        QByteArray text = "[Archive]\nRows=" + QByteArray::number(rows.size()) + '\n';
        for (int i = 0; i < rows.size(); ++i) text += "Row" + QByteArray::number(i + 1) + '=' + rows[i].toUtf8() + '\n';
        WriteFile(text);
    }
    tArchiveLoad Load(TArchive& archive) const { return archive.Load(TProfile(Path())); }
    void Save(const TArchive& archive) const
    {
        TProfile profile(Path());
        archive.Save(profile);
        ASSERT_TRUE(profile.Save());
    }

    QTemporaryDir dir;
};

// The tree as text: one node a line, two blanks a level, folders with "/".
QString Outline(const TArchive& archive)
{
    QString text;
    archive.Walk([&text](const TArchiveNode& node, int depth) {
        text += QString(2 * depth, QLatin1Char(' ')) + node.Name + (node.IsStation() ? QString() : QStringLiteral("/")) +
                QLatin1Char('\n');
    });
    return text;
}

// The first node of that name; a missing one fails the test, not the run.
TArchiveNode* Named(TArchive& archive, const QString& name)
{
    TArchiveNode* found = nullptr;
    archive.Walk([&](const TArchiveNode& node, int) {
        if (!found && node.Name == name) found = const_cast<TArchiveNode*>(&node);
    });
    if (!found) throw std::runtime_error("no node " + name.toStdString());
    return found;
}

TArchiveNode* AddFolder(TArchive& a, TArchiveNode& parent, const char* name)
{
    TArchiveNode* node = a.AddFolder(parent);
    node->Name = QLatin1String(name);
    return node;
}

TArchiveNode* AddStation(TArchive& a, TArchiveNode& parent, const char* name, double f)
{
    TArchiveNode* node = a.AddStation(parent, 1, f);
    node->Name = QLatin1String(name);
    return node;
}

} // namespace

TEST_F(ArchiveTest, RowsCarryTheUsersDecimalMarkAndNamesWithBlanks)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    WriteRows({QStringLiteral("1 4 0 X 000,000 Morning"), QStringLiteral("2 7 4 M 088,500 City FM"),
               QStringLiteral("2 8 4 k 000.531 Talk")});
    TArchive archive;
    ASSERT_EQ(Load(archive).Result, tArchiveLoad::Loaded);
    TArchiveNode* station = Named(archive, QStringLiteral("City FM"));
    EXPECT_EQ(station->Record.Frequency, 88.5);
    EXPECT_EQ(station->Record.Band, 1);
    EXPECT_EQ(Named(archive, QStringLiteral("Talk"))->Record.Band, 0); // "k" in any case is AM
    EXPECT_EQ(TArchive::RowText(*station), QStringLiteral("2 7 4 M 088,500 City FM"));
    EXPECT_EQ(TArchive::RowText(*Named(archive, QStringLiteral("Morning"))), QStringLiteral("1 4 0 X 000,000 Morning"));
    // Where the decimal mark is ".", the rows still carry ",", and read either.
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(TArchive::RowText(*station), QStringLiteral("2 7 4 M 088,500 City FM"));
    ASSERT_EQ(Load(archive).Result, tArchiveLoad::Loaded);
    EXPECT_EQ(archive.NodeCount(), 4);
}

TEST_F(ArchiveTest, SavedTreeReadsBackSortedStationsFirstIgnoringCase)
{
    TArchive archive;
    TArchiveNode& root = archive.Root();
    TArchiveNode* news = AddFolder(archive, root, "news");
    AddStation(archive, *news, "Zeta", 90.0);
    TArchiveNode* inner = AddFolder(archive, *news, "Inner");
    AddStation(archive, *inner, "b", 91.0);
    AddStation(archive, *inner, "A", 92.0);
    AddStation(archive, *news, "alpha", 93.0);
    AddFolder(archive, root, "Music");
    AddStation(archive, root, "Jazz", 94.0);
    Save(archive);

    // Other sections of the file are kept.
    TProfile profile(Path());
    profile.WriteString(QStringLiteral("Other"), QStringLiteral("Key"), QStringLiteral("kept"));
    ASSERT_TRUE(profile.Save());

    TArchive back;
    ASSERT_EQ(Load(back).Result, tArchiveLoad::Loaded);
    EXPECT_EQ(Outline(back), QStringLiteral("Jazz\nMusic/\nnews/\n  alpha\n  Zeta\n  Inner/\n    A\n    b\n"));
    EXPECT_EQ(Named(back, QStringLiteral("A"))->Record.Frequency, 92.0);
    Save(back);
    EXPECT_EQ(TProfile(Path()).ReadString(QStringLiteral("Other"), QStringLiteral("Key"), {}), QStringLiteral("kept"));
    EXPECT_EQ(TProfile(Path()).ReadString(QStringLiteral("Archive"), QStringLiteral("Row4"), {}),
              QStringLiteral("2 ") + QString::number(Named(back, QStringLiteral("alpha"))->Record.Id) +
                  QStringLiteral(" 1 M 093,000 alpha"));
}

TEST_F(ArchiveTest, RowsThatCannotAttachAreToldAndSavedBackUnchanged)
{
    TArchive archive;
    ASSERT_EQ(Load(archive).Result, tArchiveLoad::Loaded); // no file at all
    EXPECT_EQ(archive.NodeCount(), 1);
    EXPECT_TRUE(archive.Dropped().empty());

    using R = tDroppedRow;
    struct Case {
        const char* file;
        const char* outline;
        std::vector<R::tReason> reasons;
    };
    const Case cases[] = {
        {"Rows=3\nRow1=1 1 2 X 0 A\nRow2=1 2 1 X 0 B\nRow3=1 3 0 X 0 C\n",
         "C/\n",
         {R::Loop, R::Loop}},
        {"Row1=1 1 0 X 0 A\n", "", {R::NoCount}},
        {"Rows=99999999999\nRow1=1 1 0 X 0 A\n", "", {R::NoCount}},
        {"Rows=1\nRow1=1 1 0 X 0 A\nRow2=1 2 0 X 0 B\nRow3=x\n",
         "A/\n",
         {R::BeyondCount, R::BeyondCount}},
        {"Rows=2\nRow1=1 1 0 X 0 A\nRow2=3 3 1 X 0 Kind three\n", "A/\n", {R::UnknownKind}},
        {"Rows=3\nRow1=2 5 0 M 090,000 S\nRow2=2 6 5 M 090,000 Under\nRow3=1 7 6 X 0 Deeper\n",
         "S\n",
         {R::UnderStation, R::NoParent}},
        // An orphan naming identifier 3: the folders added below must not take it.
        {"Rows=3\nRow1=1 1 0 X 0 A\nRow2=2 2 3 M 090,000 O\nRow02=1 9 0 X 0 Z\nNote=kept\n",
         "A/\n",
         {R::NotANumber, R::NoParent}},
    };
    for (const Case& c : cases) {
        WriteFile(QByteArray("[Archive]\n") + c.file);
        TArchive first;
        const tArchiveLoad loaded = Load(first);
        ASSERT_EQ(loaded.Result, tArchiveLoad::Loaded) << c.file;
        EXPECT_EQ(Outline(first), QLatin1String(c.outline)) << c.file;
        std::vector<R::tReason> reasons;
        QStringList values;
        for (const R& row : loaded.Dropped)
            reasons.push_back(row.Reason), values << row.Value;
        EXPECT_EQ(reasons, c.reasons) << c.file;

        // OK in the archive dialog: the tree with two new folders, and the rows
        // it could not take are still in the file.
        first.AddFolder(first.Root());
        first.AddFolder(first.Root());
        Save(first);
        TArchive back;
        ASSERT_EQ(Load(back).Result, tArchiveLoad::Loaded) << c.file;
        EXPECT_EQ(back.NodeCount(), first.NodeCount()) << c.file;
        QStringList kept;
        for (const R& row : back.Dropped())
            kept << row.Value;
        EXPECT_EQ(kept, values) << c.file;
    }
    EXPECT_EQ(TProfile(Path()).ReadString(QStringLiteral("Archive"), QStringLiteral("Note"), {}),
              QStringLiteral("kept"));
    EXPECT_EQ(
        DroppedRowsSummary(
            {{R::UnderStation, {}, {}}, {R::BeyondCount, {}, {}}, {R::UnderStation, {}, {}}}),
        QStringLiteral(
            "3 rows that the tree cannot take (1 beyond the \"Rows\" count, 2 under a station)"));

    // Keys beyond "Rows" are not read; a huge count costs nothing.
    WriteFile("[Archive]\nRows=2147483647\nRow1=1 1 0 X 0 A\nRow3=1 3 0 X 0 C\nrow2=1 2 0 X 0 B\n");
    ASSERT_EQ(Load(archive).Result, tArchiveLoad::Loaded);
    EXPECT_EQ(Outline(archive), QStringLiteral("A/\nB/\nC/\n"));
}

TEST_F(ArchiveTest, ARowThatDoesNotConvertIsNamedAndNothingIsKept)
{
    for (const char* bad : {"x 1 0 X 000,000 Name", "1 1 0 X abc Name", "1 1.5 0 X 0 Name", "1 1 0 X 000,000"}) {
        WriteRows({QStringLiteral("1 1 0 X 000,000 Good"), QLatin1String(bad)});
        TArchive archive;
        const tArchiveLoad loaded = Load(archive);
        EXPECT_EQ(loaded.Result, tArchiveLoad::BadRow) << bad;
        EXPECT_EQ(loaded.RowKey, QStringLiteral("Row2")) << bad;
        EXPECT_EQ(archive.NodeCount(), 1) << bad;
    }
    QFile::remove(Path());
    ASSERT_TRUE(QDir().mkpath(Path())); // exists but is no file
    TArchive archive;
    EXPECT_EQ(Load(archive).Result, tArchiveLoad::Unreadable);
}

TEST_F(ArchiveTest, RepeatedIdentifiersTakeTheFirstInTreeOrderAndNewOnesAreAboveAllRead)
{
    // "Second" is read before "Nested", but "Nested" (id 2, inside "First")
    // comes before it in tree order, so "Child" goes under "Nested".
    WriteRows({QStringLiteral("1 1 0 X 0 First"), QStringLiteral("1 2 0 X 0 Second"), QStringLiteral("1 2 1 X 0 Nested"),
               QStringLiteral("2 40 2 M 090,000 Child"), QStringLiteral("1 0 0 X 0 Zero id"),
               QStringLiteral("2 9 0 M 090,000 Under root")});
    TArchive archive;
    ASSERT_EQ(Load(archive).Result, tArchiveLoad::Loaded);
    EXPECT_EQ(Outline(archive), QStringLiteral("Under root\nFirst/\n  Nested/\n    Child\nSecond/\nZero id/\n"));
    // The later copies of an identifier ("Second", and "Zero id", which has
    // the root's) get new ones, so the saved file names each parent once.
    EXPECT_EQ(Named(archive, QStringLiteral("Second"))->Record.Id, 41);
    EXPECT_EQ(Named(archive, QStringLiteral("Zero id"))->Record.Id, 42);

    TArchiveNode* folder = archive.AddFolder(archive.Root());
    TArchiveNode* station = archive.AddStation(*folder, 0, 0.531);
    EXPECT_EQ(folder->Record.Id, 43);
    EXPECT_EQ(station->Record.Id, 44);
    EXPECT_EQ(station->Record.ParentId, 43);
    EXPECT_EQ(station->Name, QStringLiteral("Station Name"));
    EXPECT_EQ(archive.AddFolder(*station), nullptr); // stations hold nothing

    // A saved and reloaded tree keeps a node added after loading in its place.
    Save(archive);
    ASSERT_EQ(Load(archive).Result, tArchiveLoad::Loaded);
    EXPECT_EQ(Named(archive, QStringLiteral("Station Name"))->Parent()->Name, QStringLiteral("Folder Name"));
}

TEST_F(ArchiveTest, RenamesAreRefusedForTheRootDuplicatesAndEmptyNames)
{
    TArchive a;
    TArchiveNode* morning = AddFolder(a, a.Root(), "Morning");
    TArchiveNode* evening = AddFolder(a, a.Root(), "Evening");
    AddFolder(a, *morning, "Inside");
    struct Case {
        TArchiveNode* node;
        const char* text;
        tArchiveRule rule;
    };
    for (const Case& c :
         {Case{&a.Root(), "Top", tArchiveRule::RootNotRenamed},
          Case{evening, "MORNING", tArchiveRule::NameExists},
          Case{evening, "evening", tArchiveRule::Allowed}, // the node itself is no clash
          Case{evening, "   ", tArchiveRule::NameEmpty},
          Case{evening, "Inside", tArchiveRule::Allowed}}) {
        const QString before = c.node->Name;
        EXPECT_EQ(a.Rename(*c.node, QLatin1String(c.text)), c.rule) << c.text;
        if (c.rule != tArchiveRule::Allowed) {
            EXPECT_EQ(c.node->Name, before) << c.text;
        }
    }
    EXPECT_EQ(ArchiveRuleText(tArchiveRule::NameEmpty), QStringLiteral("The name is empty"));
    EXPECT_EQ(a.Rename(*morning, QStringLiteral("  Dawn \t")), tArchiveRule::Allowed);
    EXPECT_EQ(morning->Name, QStringLiteral("Dawn"));
}

TEST_F(ArchiveTest, MovesAreCheckedInTheirOrderAndCarryTheSubtree)
{
    TArchive a;
    TArchiveNode* music = AddFolder(a, a.Root(), "Music");
    TArchiveNode* jazz = AddFolder(a, *music, "Jazz");
    TArchiveNode* deep = AddFolder(a, *jazz, "Deep");
    TArchiveNode* cool = AddStation(a, *jazz, "Cool", 90.0);
    TArchiveNode* news = AddFolder(a, a.Root(), "News");
    AddStation(a, *news, "jazz", 91.0);
    TArchiveNode* talk = AddStation(a, a.Root(), "Talk", 92.0);
    struct Case {
        TArchiveNode* node;
        TArchiveNode* target;
        tArchiveRule rule;
    };
    for (const Case& c : {Case{jazz, jazz, tArchiveRule::SameNode}, Case{jazz, music, tArchiveRule::SameNode},
                          Case{&a.Root(), music, tArchiveRule::RootNotMoved},
                          Case{music, deep, tArchiveRule::ParentOntoChild},
                          Case{jazz, news, tArchiveRule::NameExists}, // checked before the kind
                          Case{cool, talk, tArchiveRule::NotAFolder}}) {
        EXPECT_EQ(a.Move(*c.node, *c.target), c.rule) << qPrintable(c.node->Name + QLatin1String("->") + c.target->Name);
    }
    EXPECT_EQ(Outline(a), QStringLiteral("Music/\n  Jazz/\n    Deep/\n    Cool\nNews/\n  jazz\nTalk\n"));

    EXPECT_EQ(a.Move(*jazz, a.Root()), tArchiveRule::Allowed);
    EXPECT_EQ(jazz->Record.ParentId, 0);
    EXPECT_EQ(cool->Record.ParentId, jazz->Record.Id);
    EXPECT_EQ(Outline(a), QStringLiteral("Music/\nNews/\n  jazz\nTalk\nJazz/\n  Deep/\n  Cool\n"));
    EXPECT_EQ(talk->Row(), 2);

    a.Delete(*jazz);
    a.Delete(a.Root()); // the root stays
    EXPECT_EQ(Outline(a), QStringLiteral("Music/\nNews/\n  jazz\nTalk\n"));
}

TEST_F(ArchiveTest, AVeryDeepChainLoadsSavesAndIsFreed)
{
    QByteArray text = "[Archive]\nRows=20000\n";
    for (int i = 1; i <= 20000; ++i)
        text += "Row" + QByteArray::number(i) + "=1 " + QByteArray::number(i) + ' ' + QByteArray::number(i - 1) + " X 0 F\n";
    WriteFile(text);
    {
        TArchive archive;
        ASSERT_EQ(Load(archive).Result, tArchiveLoad::Loaded);
        int deepest = 0;
        archive.Walk([&deepest](const TArchiveNode&, int depth) { deepest = std::max(deepest, depth); });
        EXPECT_EQ(deepest, 19999);
        Save(archive);
    }
    EXPECT_EQ(TProfile(Path()).ReadString(QStringLiteral("Archive"), QStringLiteral("Row20000"), {}),
              QStringLiteral("1 20000 19999 X 000,000 F"));
}
