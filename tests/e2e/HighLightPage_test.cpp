// The page "ハイライト" in the real program: the text shown and stored, the clean-up of line-end
// blanks on OK, the typing limit, and Enter breaking a line.
#include "PageTest.h"
#include "res/resource.h"

#include <commctrl.h>

TEST_F(PageTest, HighLightStoresTheTextWithoutLineEndBlanks)
{
    // Longer than the typing limit, with blanks before every line end.
    std::string longText, longCleaned;
    while (longText.size() <= 3000) {
        longText += "ハイライト表示 　\r\n";
        longCleaned += "ハイライト表示\r\n";
    }

    const struct
    {
        const char* what;
        std::string loaded;
        const wchar_t* typed;  // null: the loaded text is left as it is
        std::string stored;
    } cases[] = {
        {"typed lines", "x",
         L"abc   \r\n"
         L"def\u3000 \r\n"  // ideographic space, then blank
         L"ghi \u3000\r\n"  // blank, then ideographic space
         L"  \u3000 \r\n"   // blanks only
         L"\r\n"
         L"  indented\r\n"
         L"\u30e1@\r\n"  // "メ" ends in 0x81, "@" is 0x40: no ideographic space
         L"last  ",
         "abc\r\ndef\r\nghi\r\n\r\n\r\n  indented\r\nメ@\r\nlast  "},
        {"emptied field", "x", L"", ""},
        {"long loaded text", longText, nullptr, longCleaned},
    };
    for (const auto& c : cases) {
        CommonData seeded = LoadableRecord();
        seeded.strHighLight = c.loaded.c_str();
        ASSERT_TRUE(Open(seeded, kHighLightPage)) << c.what;
        EXPECT_EQ(c.loaded, driver::Text(Control(IDC_HL_TEXT))) << c.what << ": shown whole";
        if (c.typed != nullptr)
            driver::TypeText(Control(IDC_HL_TEXT), c.typed);
        if (c.typed != nullptr && c.typed[0] != L'\0')
            driver::SaveScreenshot(m_sheet, "page-highlight");

        CommonData expected = seeded;
        expected.strHighLight = c.stored.c_str();
        ExpectStored(expected, ConfirmAndReadStore(seeded), c.what);
    }
}

TEST_F(PageTest, HighLightLimitsTypingTo2048AndEnterBreaksTheLine)
{
    CommonData seeded = LoadableRecord();
    seeded.strHighLight = "";
    ASSERT_TRUE(Open(seeded, kHighLightPage));
    HWND field = Control(IDC_HL_TEXT);
    // Wine counts this limit in characters where Windows counts bytes; what matters here is
    // that the program sets it.
    EXPECT_EQ(2048, ::SendMessageA(field, EM_GETLIMITTEXT, 0, 0));

    // Enter goes through the sheet's dialog handling as a key press would: it must reach the
    // field as a line break, not press the sheet's default button OK.
    ::SetForegroundWindow(m_sheet);
    ::SendMessageA(m_page, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(field), TRUE);
    driver::TypeText(field, L"ab");
    ::SendMessageA(field, EM_SETSEL, 2, 2);
    ::PostMessageA(field, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    ::PostMessageA(field, WM_KEYUP, VK_RETURN, 0xC01C0001);
    ::Sleep(300);
    ASSERT_TRUE(m_program->IsRunning()) << "Enter ended the sheet";
    EXPECT_EQ("ab\r\n", driver::Text(field));
    driver::PressSheetButton(m_sheet, PSBTN_CANCEL);
    EXPECT_EQ(0u, m_program->WaitForExit());
}
