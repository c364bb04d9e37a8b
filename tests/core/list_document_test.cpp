#include "core/list_document.h"

#include "core/list_saving.h"
#include "temp_dir.h"
#include "tests/support/full_disk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tamurik {
namespace {

using namespace std::string_literals;
using test::TempDir;
using test::Utf16;
using testing::FullDiskWorkDir;

TEST(ListDocumentTest, ShippedListsRoundTripByteForByte) {
    const WorkDir shipped(TAMURIK_DATA_DIR);
    for (const char* name : {"ZAHLVERB.TXT", "ZAHLREIM.TXT", "VERBEN.TXT"}) {
        SCOPED_TRACE(name);
        const ListDocument document = OpenList(shipped, name);
        EXPECT_TRUE(document.faults().empty());
        EXPECT_TRUE(document.complete());
        EXPECT_EQ(document.encoding(), FileEncoding::Windows1252);
        EXPECT_EQ(document.Texts(), shipped.ReadLines(name).value());
        EXPECT_TRUE(document.ToBytes() == shipped.ReadBytes(name).value());
    }
}

TEST(ListDocumentTest, EveryEncodingAndLineEndRoundTrips) {
    struct Case {
        std::string bytes;
        FileEncoding encoding;
        LineEnd end; // the one a new line gets
    };
    const Case cases[] = {
        {"1gr2\374-\3373en\r\n1z2ah-l3en\r\n", FileEncoding::Windows1252, LineEnd::CrLf},
        {"1gr2\303\274-\303\2373en\n1z2ah-l3en", FileEncoding::Utf8, LineEnd::Lf},
        {"\357\273\2771gr2\303\274-\303\2373en\r1z2ah-l3en\r", FileEncoding::Utf8WithMark,
         LineEnd::Cr},
        {Utf16("1z2ah-l3en\r\n1b2a-d3en\r\n", true), FileEncoding::Utf16LittleEndian,
         LineEnd::CrLf},
        {Utf16("1z2ah-l3en\n1b2a-d3en", false), FileEncoding::Utf16BigEndian, LineEnd::Lf},
        {"1z2ah-l3en\n\r\n1b2a-d3en\r\n\r\r\n", FileEncoding::Windows1252, LineEnd::CrLf},
        {"1z2ah-l3en\201\r\n", FileEncoding::Windows1252, LineEnd::CrLf}, // undefined byte
        {"\357\273\2771gr2\374-\3373en\r\n", FileEncoding::Utf8WithMark, LineEnd::CrLf},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        ListDocument document = ListDocument::FromBytes(c.bytes, WordListKind::Verbs);
        EXPECT_EQ(document.encoding(), c.encoding);
        EXPECT_EQ(document.defaultEnd(), c.end);
        std::vector<Text> expected = SplitLines(DecodeFileText(c.bytes));
        EXPECT_EQ(document.Texts(), expected);
        EXPECT_TRUE(document.ToBytes() == c.bytes);

        // Edited lines are written in the file's encoding; the others keep their bytes.
        ASSERT_TRUE(document.SetLine(document.size() - 1, U"1m2ä-h3en"));
        ASSERT_TRUE(document.InsertLine(document.size(), U"1n2ä-h3en"));
        const std::string bytes = document.ToBytes();
        expected.back() = U"1m2ä-h3en";
        expected.push_back(U"1n2ä-h3en");
        EXPECT_EQ(SplitLines(DecodeFileText(bytes)), expected);
        EXPECT_EQ(ByteOrderMark(DetectEncoding(bytes)), ByteOrderMark(c.encoding));
        if (expected.size() > 2) {
            EXPECT_EQ(bytes.substr(0, 12), c.bytes.substr(0, 12));
        }
    }
}

TEST(ListDocumentTest, EditsUndoneGiveTheBytesBack) {
    const std::string bytes = "1z2ah-l3en\r\n1b2a-d3en\r\n1k2en.n3en";
    ListDocument document = ListDocument::FromBytes(bytes, WordListKind::Verbs);
    EXPECT_FALSE(document.modified());

    // Each edit as the editor's undo stack holds it: done, then undone in reverse order.
    const std::optional<ListLine> old = document.SetLine(0, U"1m2a.ch3en");
    ASSERT_TRUE(old);
    ASSERT_TRUE(document.InsertLine(3, U"1s2e-h3en"));
    const ListLine removed = document.RemoveLine(1);
    document.MoveLine(0, 2);
    EXPECT_EQ(document.Texts(), (std::vector<Text>{U"1k2en.n3en", U"1s2e-h3en", U"1m2a.ch3en"}));
    EXPECT_EQ(document.ToBytes(), "1k2en.n3en\r\n1s2e-h3en\r\n1m2a.ch3en\r\n");
    EXPECT_TRUE(document.modified());

    document.MoveLine(2, 0);
    document.InsertLine(1, removed);
    document.RemoveLine(3);
    document.RestoreLine(0, *old);
    EXPECT_TRUE(document.ToBytes() == bytes);

    // A refused text changes nothing.
    EXPECT_FALSE(document.SetLine(0, U"1z2ah\n-l3en"));
    EXPECT_FALSE(document.InsertLine(0, U"1t2ő-t3en"));
    EXPECT_FALSE(document.InsertLine(9, U"1t2o-t3en"));
    EXPECT_TRUE(document.ToBytes() == bytes);
}

TEST(ListDocumentTest, TextsTheEncodingCannotHoldAreRefused) {
    const ListDocument latin = ListDocument::FromBytes("1z2ah-l3en\r\n", WordListKind::Verbs);
    const ListDocument utf8 =
        ListDocument::FromBytes("1gr2\303\274-\303\2373en\r\n", WordListKind::Verbs);
    EXPECT_FALSE(latin.Refusal(U"1gr2ü-ß3en = Grüße, 5 € – „ja“"));
    EXPECT_TRUE(Contains(latin.Refusal(U"1t2ő-t3en").value_or(U""), U"„ő“"));
    EXPECT_TRUE(Contains(latin.Refusal(U"1t2ő-t3en").value_or(U""), U"Windows-1252"));
    EXPECT_FALSE(utf8.Refusal(U"1t2ő-t3en"));
    for (const ListDocument* document : {&latin, &utf8}) {
        EXPECT_TRUE(document->Refusal(U"eins\rzwei"));
        EXPECT_TRUE(document->Refusal(U"eins\x01"));
        EXPECT_FALSE(document->Refusal(U"eins\tzwei"));
    }
}

TEST(ListDocumentTest, ReadingFaultsAreNamed) {
    TempDir temp;
    const WorkDir dir(temp.path());
    std::string overlong(1200, 'a');
    std::string binary(4000, '\x01');
    binary[100] = '\0';
    temp.Write("LEER.TXT", "");
    temp.Write("BINAER.TXT", binary);
    temp.Write("STEUER.TXT", "1z2ah-l3en\r\n" + std::string(200, '\x02'));
    temp.Write("BREIT.TXT", test::Utf16("1z2ah-l3en\r\n", true, false));
    temp.Write("GEMISCHT.TXT", "1gr2\374-\3373en\r\n1z2\303\244h-l3en\r\n");
    temp.Write("LANG.TXT", "1z2ah-l3en\r\n" + overlong + "\r\n");
    std::filesystem::create_directory(temp.path() / "ORDNER.TXT");
    struct Case {
        const char* file;
        ReadFault fault;
        bool complete;
        const char32_t* named;
    };
    const Case cases[] = {
        {"FEHLT.TXT", ReadFault::Missing, true, U"fehlt"},
        {"ORDNER.TXT", ReadFault::Unreadable, false, U"nicht gelesen"},
        {"LEER.TXT", ReadFault::Empty, true, U"leer"},
        {"BINAER.TXT", ReadFault::Binary, false, U"keine Textdatei"},
        {"STEUER.TXT", ReadFault::Binary, false, U"Steuerzeichen"},
        {"BREIT.TXT", ReadFault::UnknownEncoding, false, U"UTF-16 ohne Kennung"},
        {"GEMISCHT.TXT", ReadFault::UnknownEncoding, true, U"Zeile 2"},
        {"LANG.TXT", ReadFault::OverlongLines, true, U"Zeile 2 ist länger als 1000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const ListDocument document = OpenList(dir, c.file);
        ASSERT_EQ(document.faults().size(), 1u) << ToUtf8(document.faultMessages().back());
        EXPECT_EQ(document.faults()[0], c.fault);
        EXPECT_EQ(document.complete(), c.complete);
        EXPECT_TRUE(Contains(document.faultMessages()[0], c.named))
            << ToUtf8(document.faultMessages()[0]);
    }
}

TEST(ListDocumentTest, AHugeFileIsReadInPartAndNeverSavedOver) {
    TempDir temp;
    const WorkDir dir(temp.path());
    std::string line = "1z2ah-l3en\r\n";
    std::string huge;
    while (huge.size() <= 20u * 1024 * 1024) {
        huge += line;
    }
    temp.Write("ZAHLVERB.TXT", huge);
    ListDocument document = OpenList(dir, "ZAHLVERB.TXT");
    EXPECT_TRUE(document.HasFault(ReadFault::TooLarge));
    EXPECT_FALSE(document.complete());
    EXPECT_GT(document.size(), 1000u);

    const FixedClock clock({7, 12, 2026});
    const SaveOutcome outcome = SaveList(dir, document, clock);
    EXPECT_EQ(outcome.status, SaveStatus::Refused);
    EXPECT_TRUE(Contains(outcome.message, U"nicht vollständig gelesen"));
    EXPECT_EQ(temp.Read("ZAHLVERB.TXT").size(), huge.size());
}

TEST(ListDocumentTest, FilterFindsTextAndPlainVerb) {
    const std::vector<Text> lines = {U"1schw2i.mm3en", U"1B2a-d3en", U"1sch2uf.t3en = schwer"};
    EXPECT_EQ(FilterLines(lines, U"schwimm"), (std::vector<std::size_t>{0}));
    EXPECT_EQ(FilterLines(lines, U"BAD"), (std::vector<std::size_t>{1}));
    EXPECT_EQ(FilterLines(lines, U"schw"), (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(FilterLines(lines, U"").size(), 3u);
    EXPECT_TRUE(FilterLines(lines, U"xyz").empty());
}

// A verb list that passes every selection: common and rare, short and long.
const std::string kGoodVerbs = "1z2ah-l3en\r\n1k2en.n3en\r\n1l2ah-m3en = hinken\r\n"
                               "1l2al.l3en = undeutlich reden\r\n";

class ListSavingTest : public ::testing::Test {
protected:
    TempDir temp_;
    FixedClock clock_{Date{7, 12, 2026}};

    void SetUp() override {
        temp_.Write("ZAHLVERB.TXT", kGoodVerbs);
        clock_.SetMs(1'796'000'000'000);
    }
};

TEST_F(ListSavingTest, SavingKeepsTheLastTenVersions) {
    const WorkDir dir(temp_.path());
    ListDocument document = OpenList(dir, "ZAHLVERB.TXT");
    ASSERT_EQ(SaveList(dir, document, clock_).status, SaveStatus::Saved);
    EXPECT_EQ(temp_.Read("ZAHLVERB.TXT"), kGoodVerbs);
    std::vector<std::string> backups = BackupsOf(dir, "ZAHLVERB.TXT");
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(temp_.Read("Sicherung/" + backups[0]), kGoodVerbs);

    for (int i = 0; i < 11; ++i) {
        clock_.AdvanceMs(i % 2 == 0 ? 400 : 1000); // two saves within one second, too
        document.InsertLine(0, U"1b2a-d" + Decimal(i) + U"3en");
        ASSERT_EQ(SaveList(dir, document, clock_).status, SaveStatus::Saved);
        EXPECT_FALSE(document.modified());
    }
    backups = BackupsOf(dir, "ZAHLVERB.TXT");
    ASSERT_EQ(backups.size(), kBackupsKept);
    // The newest copy holds the version before the last save.
    EXPECT_TRUE(temp_.Read("Sicherung/" + backups.back()).starts_with("1b2a-d93en\r\n"));
    EXPECT_TRUE(temp_.Read("ZAHLVERB.TXT").starts_with("1b2a-d103en\r\n"));
}

TEST_F(ListSavingTest, AChangeByAnotherProgramIsAskedAbout) {
    const WorkDir dir(temp_.path());
    ListDocument document = OpenList(dir, "ZAHLVERB.TXT");
    document.SetLine(1, U"1m2a.ch3en");
    EXPECT_FALSE(ChangedOnDisk(dir, document));
    // The same size at the same moment: the content tells.
    const std::filesystem::path file = temp_.path() / "ZAHLVERB.TXT";
    const auto when = std::filesystem::last_write_time(file);
    temp_.Write("ZAHLVERB.TXT", "1m" + kGoodVerbs.substr(2));
    std::filesystem::last_write_time(file, when);
    EXPECT_TRUE(ChangedOnDisk(dir, document));
    temp_.Write("ZAHLVERB.TXT", kGoodVerbs + "1s2e-h3en\r\n");
    EXPECT_TRUE(ChangedOnDisk(dir, document));

    const SaveOutcome asked = SaveList(dir, document, clock_);
    EXPECT_EQ(asked.status, SaveStatus::ChangedOutside);
    EXPECT_TRUE(Contains(asked.message, U"anderen Programm"));
    EXPECT_EQ(temp_.Read("ZAHLVERB.TXT"), kGoodVerbs + "1s2e-h3en\r\n");

    ASSERT_EQ(SaveList(dir, document, clock_, true).status, SaveStatus::Saved);
    EXPECT_TRUE(temp_.Read("ZAHLVERB.TXT").starts_with("1z2ah-l3en\r\n1m2a.ch3en\r\n"));
    EXPECT_FALSE(ChangedOnDisk(dir, document));
}

TEST_F(ListSavingTest, RefusedAndFailedSavesLeaveFileAndEditsAlone) {
    temp_.Write("ZAHLREIM.TXT", kGoodVerbs);
    FullDiskWorkDir dir(temp_.path());
    ListDocument rhymes = OpenList(dir, "ZAHLREIM.TXT");
    const SaveOutcome tooFew = SaveList(dir, rhymes, clock_);
    EXPECT_EQ(tooFew.status, SaveStatus::Refused);
    EXPECT_TRUE(Contains(tooFew.message, U"mindestens 18"));

    ListDocument verbs = OpenList(dir, "ZAHLVERB.TXT");
    verbs.RemoveLine(2);
    verbs.RemoveLine(2); // no rare verb left
    const SaveOutcome noRare = SaveList(dir, verbs, clock_);
    EXPECT_EQ(noRare.status, SaveStatus::Refused);
    EXPECT_TRUE(Contains(noRare.message, U"„seltene“"));
    verbs.InsertLine(0, U"1sch2uf.t3en = schwer arbeiten");
    verbs.InsertLine(0, U"1sch2ie-b3en = stoßen");

    dir.SetFull(true);
    const SaveOutcome full = SaveList(dir, verbs, clock_);
    EXPECT_EQ(full.status, SaveStatus::Failed);
    EXPECT_TRUE(Contains(full.message, U"unverändert"));
    EXPECT_TRUE(verbs.modified());
    EXPECT_EQ(temp_.Read("ZAHLVERB.TXT"), kGoodVerbs);
    EXPECT_EQ(temp_.Read("ZAHLREIM.TXT"), kGoodVerbs);

    const bool saved = test::WriteInReadOnlyFolder(temp_.path(), [&] {
        const WorkDir readOnly(temp_.path());
        const SaveOutcome outcome = SaveList(readOnly, verbs, clock_);
        return outcome.status != SaveStatus::Failed || outcome.message.empty() || !verbs.modified();
    });
    EXPECT_FALSE(saved);
    EXPECT_EQ(temp_.Read("ZAHLVERB.TXT"), kGoodVerbs);

    dir.SetFull(false);
    std::filesystem::permissions(temp_.path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(SaveList(dir, verbs, clock_).status, SaveStatus::Saved);
}

TEST_F(ListSavingTest, AMissingListIsCreated) {
    const WorkDir dir(temp_.path());
    ListDocument document = OpenList(dir, "VERBEN.TXT");
    EXPECT_TRUE(document.HasFault(ReadFault::Missing));
    EXPECT_EQ(document.kind(), WordListKind::RealVerbs);
    EXPECT_EQ(SaveList(dir, document, clock_).status, SaveStatus::Refused); // an empty list
    document.InsertLine(0, U"gehen");
    ASSERT_EQ(SaveList(dir, document, clock_).status, SaveStatus::Saved);
    EXPECT_EQ(temp_.Read("VERBEN.TXT"), "gehen\r\n");
    EXPECT_TRUE(BackupsOf(dir, "VERBEN.TXT").empty());
}

} // namespace
} // namespace tamurik
