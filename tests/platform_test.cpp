// The framework layer's own guarantees: byte strings, text-mode files,
// lossless fields.
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "ByteCodec.h"
#include "TestSupport.h"
#include "TextFile.h"

TEST(CStringTest, ReplaceIsLeftToRightNonOverlappingAndDoesNotRescan)
{
    struct Case {
        const char* text;
        const char* from;
        const char* to;
        const char* expected;
        int count;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", "\r\n", "<br>", "a<br>b<br>", 2},
        {"aaa", "aa", "b", "ba", 1},
        {"#A#", "#A#", "#A##A#", "#A##A#", 1},
        {"x<br>y<BR>", "<br>", "\r\n", "x\r\ny<BR>", 1},
        {"none", "zz", "q", "none", 0},
        {"", "a", "b", "", 0},
    };
    for (const Case& c : cases) {
        CString s = c.text;
        EXPECT_EQ(s.Replace(c.from, c.to), c.count) << c.text;
        EXPECT_EQ(s.str(), c.expected) << c.text;
    }
}

TEST(CStringTest, KeepsZeroBytesAndTrimsOnlyTrailingWhiteSpace)
{
    CString s(std::string("a\0b \t\r\n\v\f", 9));
    EXPECT_EQ(s.GetLength(), 9);
    s.TrimRight();
    EXPECT_EQ(s.str(), std::string("a\0b", 3));
    CString lead = "  x  ";
    EXPECT_EQ(lead.TrimRight().str(), "  x");
}

TEST(CStringTest, ComparesUnsignedBytes)
{
    EXPECT_LT(_mbscmp("Zebra", "apple"), 0);        // upper case before lower case
    EXPECT_LT(_mbscmp("abc", "abcd"), 0);           // a prefix first
    EXPECT_LT(_mbscmp("", "a"), 0);                 // the empty text first
    EXPECT_LT(_mbscmp("a\r\nb", "a b"), 0);         // line breaks before printable
    EXPECT_LT(_mbscmp("z", "\xC3\xA9"), 0);         // bytes above 127 after ASCII
    EXPECT_EQ(_mbscmp(CString("a\0b", 3), CString("a\0b", 3)), 0);
    EXPECT_LT(_mbscmp(CString("a\0a", 3), CString("a\0b", 3)), 0);
    char buffer[16];
    EXPECT_STREQ(_itoa(2004, buffer, 10), "2004");
    EXPECT_STREQ(_itoa(-7, buffer, 10), "-7");
}

TEST(ByteCodecTest, EveryByteSequenceSurvivesTheWayThroughQString)
{
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    const std::string samples[] = {
        all,
        "plain ASCII",
        "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\x85",      // valid UTF-8
        "\xC3\x28 \xED\xA0\x80 \xC0\xAF \xF8\x88\x80",  // invalid, surrogate, overlong
        std::string("\0\r\n\xFF", 4),
    };
    for (const std::string& bytes : samples)
        EXPECT_EQ(QStringToBytes(BytesToQString(bytes)).str(), bytes);
    EXPECT_EQ(BytesToQString("caf\xC3\xA9"), QString::fromUtf8("caf\xC3\xA9"));
}

class TextFileTest : public FolderTest {};

TEST_F(TextFileTest, ReadingTranslatesLineEndsAndStopsAtCtrlZ)
{
    struct Case {
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"A\r\nB\rC", "A\nB\rC"},
        {"a\r\r\nb", "a\r\nb"},
        {std::string("one\x1Atwo"), "one"},
        {"\n\r\n", "\n\n"},
        {std::string("z\0z", 3), std::string("z\0z", 3)},
    };
    for (const Case& c : cases) {
        WriteBytes("in.txt", c.bytes);
        CTextInStream in("in.txt");
        ASSERT_FALSE(in.fail());
        std::string got;
        char ch;
        while (in.get(ch))
            got += ch;
        EXPECT_EQ(got, c.text);
    }
}

TEST_F(TextFileTest, OpeningForReadingCreatesAMissingFileAndRefusesAFolder)
{
    {
        CTextInStream in("missing.txt");
        EXPECT_FALSE(in.fail());
        EXPECT_FALSE(in.existed());
    }
    EXPECT_TRUE(Exists("missing.txt"));
    EXPECT_EQ(ReadBytes("missing.txt"), "");
    QDir().mkdir("folder");
    CTextInStream folder("folder");
    EXPECT_TRUE(folder.fail());
    EXPECT_TRUE(folder.existed());
}

TEST_F(TextFileTest, WritingReplacesTheFileOnlyWhenClosedSuccessfully)
{
    WriteBytes("out.txt", "old contents, longer than the new");
    {
        CTextOutStream out("out.txt");
        ASSERT_FALSE(out.fail());
        out.write("x\ny\r\n");
        out.put('\n');
        EXPECT_EQ(ReadBytes("out.txt"), "old contents, longer than the new");  // not yet
        EXPECT_TRUE(out.close());
    }
    EXPECT_EQ(ReadBytes("out.txt"), "x\r\ny\r\r\n\r\n");
    {
        CTextOutStream abandoned("out.txt");
        abandoned.write("never");
    }  // destroyed without close: the old file stays, no temporary is left
    EXPECT_EQ(ReadBytes("out.txt"), "x\r\ny\r\r\n\r\n");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"out.txt"});
    QDir().mkdir("folder");
    CTextOutStream folder("folder");
    EXPECT_TRUE(folder.fail());
    EXPECT_FALSE(folder.close());
}

class FieldTest : public DiaryTest {};

TEST_F(FieldTest, FieldsGiveBackExactlyTheBytesTheyShow)
{
    Open();
    Show();
    const std::string samples[] = {
        "caf\xC3\xA9 \xFF\xFE not UTF-8 \xC3",
        "lone\rCR and lone\nLF and\r\nCR LF",
        std::string(100000, 'x') + "end",
        std::string("with\0zero", 9),
    };
    for (const std::string& bytes : samples) {
        SetFields("2004-07-09", bytes, bytes);
        QApplication::processEvents();  // the widgets now show the texts
        dlg->m_strTitle.Empty();
        dlg->m_strText.Empty();
        dlg->UpdateData(TRUE);
        EXPECT_EQ(dlg->m_strTitle.str(), bytes);
        EXPECT_EQ(dlg->m_strText.str(), bytes);
        // Shown whole: no cut at 32767 characters.
        auto* title = qobject_cast<QLineEdit*>(Control(IDC_TITLE));
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->text(), BytesToQString(bytes));
    }
}

TEST_F(FieldTest, TypedTextComesBackAsUtf8WithCrLfLineBreaks)
{
    Open();
    Show();
    SetFields("", "", "");
    QApplication::processEvents();
    TypeText(Control(IDC_TITLE), QString::fromUtf8("Caf\xC3\xA9"));
    QWidget* text = Control(IDC_TEXT);
    text->setFocus();
    QTest::keyClicks(text, "one");
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, "two");
    dlg->UpdateData(TRUE);
    EXPECT_EQ(dlg->m_strTitle.str(), "Caf\xC3\xA9");
    EXPECT_EQ(dlg->m_strText.str(), "one\r\ntwo");
    EXPECT_TRUE(Control(IDC_TEXT)->hasFocus());
    QTest::keyClick(text, Qt::Key_Tab);  // Tab leaves the Text field
    EXPECT_FALSE(Control(IDC_TEXT)->hasFocus());
    EXPECT_EQ(dlg->m_strText.str(), "one\r\ntwo");
}
