// The resources as they are in the built program, read back from the exe
// named by TOMEFLIP_EXE.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "resource.h"

namespace {

const WORD kKorean = MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN);      // 1042
const WORD kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US); // 1033

class ResourcesTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        const char* pszExe = std::getenv("TOMEFLIP_EXE");
        ASSERT_NE(nullptr, pszExe) << "TOMEFLIP_EXE names the program to read";
        s_hModule = ::LoadLibraryExA(pszExe, NULL, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(static_cast<HMODULE>(NULL), s_hModule) << pszExe;
    }
    static void TearDownTestSuite() { ::FreeLibrary(s_hModule); }

    static std::vector<BYTE> Resource(LPCWSTR pszType, LPCWSTR pszName, WORD wLanguage)
    {
        const HRSRC hInfo = ::FindResourceExW(s_hModule, pszType, pszName, wLanguage);
        if (hInfo == NULL)
            return std::vector<BYTE>();
        const BYTE* pData = static_cast<const BYTE*>(::LockResource(::LoadResource(s_hModule, hInfo)));
        return std::vector<BYTE>(pData, pData + ::SizeofResource(s_hModule, hInfo));
    }

    static HMODULE s_hModule;
};

HMODULE ResourcesTest::s_hModule = NULL;

// Reads a dialog template field by field.
class CTemplateReader
{
public:
    explicit CTemplateReader(const std::vector<BYTE>& data) : m_data(data) {}

    template <class T>
    T Read()
    {
        T value;
        EXPECT_LE(m_nAt + sizeof value, m_data.size());
        std::memcpy(&value, &m_data[m_nAt], sizeof value);
        m_nAt += sizeof value;
        return value;
    }
    std::wstring String()
    {
        std::wstring text;
        for (WCHAR c = Read<WCHAR>(); c != 0; c = Read<WCHAR>())
            text += c;
        return text;
    }
    // A name or an ordinal: 0xFFFF then the number.
    std::wstring NameOrOrdinal()
    {
        const WORD w = Read<WORD>();
        if (w == 0xFFFF)
            return L"#" + std::to_wstring(Read<WORD>());
        m_nAt -= sizeof w;
        return String();
    }
    void AlignToDword() { m_nAt = (m_nAt + 3) & ~static_cast<size_t>(3); }

private:
    const std::vector<BYTE>& m_data;
    size_t m_nAt = 0;
};

struct Control
{
    DWORD dwStyle;
    short x, y, cx, cy;
    int nId;
    std::wstring className;
    std::wstring caption;
};

TEST_F(ResourcesTest, HoldsTheDialogTheIconAndTheManifestAndNothingElse)
{
    std::map<std::wstring, std::vector<std::wstring>> found;
    ::EnumResourceTypesW(s_hModule, [](HMODULE hModule, LPWSTR pszType, LONG_PTR lParam) -> BOOL {
        auto& found = *reinterpret_cast<std::map<std::wstring, std::vector<std::wstring>>*>(lParam);
        const std::wstring type = IS_INTRESOURCE(pszType) ? L"#" + std::to_wstring(LOWORD(pszType)) : pszType;
        found[type];
        ::EnumResourceNamesW(hModule, pszType, [](HMODULE, LPCWSTR, LPWSTR pszName, LONG_PTR lParam) -> BOOL {
            auto& names = *reinterpret_cast<std::vector<std::wstring>*>(lParam);
            names.push_back(IS_INTRESOURCE(pszName) ? L"#" + std::to_wstring(LOWORD(pszName)) : pszName);
            return TRUE;
        }, reinterpret_cast<LONG_PTR>(&found[type]));
        return TRUE;
    }, reinterpret_cast<LONG_PTR>(&found));

    const std::map<std::wstring, std::vector<std::wstring>> expected = {
        { L"#3", { L"#1", L"#2", L"#3", L"#4", L"#5", L"#6", L"#7", L"#8", L"#9" } }, // RT_ICON
        { L"#5", { L"#103" } },                                                        // RT_DIALOG
        { L"#14", { L"#107" } },                                                       // RT_GROUP_ICON
        { L"#24", { L"#1" } },                                                         // RT_MANIFEST
    };
    EXPECT_EQ(expected, found);
}

TEST_F(ResourcesTest, TheDialogTemplate)
{
    const std::vector<BYTE> data = Resource(RT_DIALOG, MAKEINTRESOURCEW(IDD_MAINDLG), kKorean);
    ASSERT_FALSE(data.empty()) << "no Korean dialog 103";
    CTemplateReader t(data);
    EXPECT_EQ(1, t.Read<WORD>());      // version
    EXPECT_EQ(0xFFFF, t.Read<WORD>()); // an extended template
    EXPECT_EQ(0u, t.Read<DWORD>());    // help id
    EXPECT_EQ(0u, t.Read<DWORD>());    // extended style
    EXPECT_EQ(0x80CA00C8u, t.Read<DWORD>());
    const WORD nControls = t.Read<WORD>();
    EXPECT_EQ(7, nControls);
    EXPECT_EQ(0, t.Read<short>());
    EXPECT_EQ(0, t.Read<short>());
    EXPECT_EQ(355, t.Read<short>());
    EXPECT_EQ(262, t.Read<short>());
    EXPECT_EQ(L"", t.NameOrOrdinal()); // no menu
    EXPECT_EQ(L"", t.NameOrOrdinal()); // the standard dialog class
    EXPECT_EQ(L"Tomeflip", t.String());
    EXPECT_EQ(8, t.Read<WORD>());      // points
    EXPECT_EQ(0, t.Read<WORD>());      // weight
    EXPECT_EQ(0, t.Read<BYTE>());      // not italic
    EXPECT_EQ(1, t.Read<BYTE>());      // DEFAULT_CHARSET
    EXPECT_EQ(L"MS Shell Dlg", t.String());

    std::vector<Control> controls;
    for (WORD i = 0; i < nControls; ++i)
    {
        t.AlignToDword();
        EXPECT_EQ(0u, t.Read<DWORD>()); // help id
        EXPECT_EQ(0u, t.Read<DWORD>()); // extended style
        Control c;
        c.dwStyle = t.Read<DWORD>();
        c.x = t.Read<short>();
        c.y = t.Read<short>();
        c.cx = t.Read<short>();
        c.cy = t.Read<short>();
        c.nId = t.Read<int>();
        c.className = t.NameOrOrdinal();
        c.caption = t.NameOrOrdinal();
        EXPECT_EQ(0, t.Read<WORD>()); // no creation data
        controls.push_back(c);
    }

    const std::wstring hint = L"\uD0D0\uC0C9\uAE30\uC5D0\uC11C \uC555\uCD95\uD30C\uC77C\uC774\uB098 "
                              L"\uD3F4\uB354\uB97C \uC5EC\uAE30\uB85C \uB4DC\uB798\uADF8&&\uB4DC\uB86D\uC73C\uB85C "
                              L"\uB5A8\uAD6C\uBA74 \uBCC0\uD658\uC774 \uB429\uB2C8\uB2E4.";
    const Control expected[] = {
        { 0x50010000, 294, 240, 50, 18, IDCANCEL, L"#128", L"\uC885\uB8CC" },                            // 종료
        { 0x50000009, 18, 24, 122, 10, IDC_RADIO_TO_COMIC, L"#128", L"ZIP \u2192 CBZ \uBCC0\uD658" },
        { 0x50000007, 6, 6, 342, 36, -1, L"#128", L"\uC791\uC5C5" },                                    // 작업
        { 0x50000009, 150, 24, 122, 10, IDC_RADIO_TO_ARCHIVE, L"#128", L"CBZ \u2192 ZIP \uBCC0\uD658" },
        { 0x50020000, 18, 54, 303, 33, IDC_HINT_TEXT, L"#130", hint },
        { 0x50000007, 6, 102, 342, 132, -1, L"#128", L"\uBA54\uC2DC\uC9C0" },                           // 메시지
        { 0x50A10103, 12, 114, 330, 114, IDC_LOG_LIST, L"#131", L"" },
    };
    ASSERT_EQ(7u, controls.size());
    for (size_t i = 0; i < controls.size(); ++i)
    {
        SCOPED_TRACE("control " + std::to_string(i + 1));
        EXPECT_EQ(expected[i].nId, controls[i].nId);
        EXPECT_EQ(expected[i].dwStyle, controls[i].dwStyle);
        EXPECT_EQ(expected[i].className, controls[i].className); // 0x80 button, 0x82 static, 0x83 list box
        EXPECT_EQ(expected[i].caption, controls[i].caption);
        EXPECT_EQ(expected[i].x, controls[i].x);
        EXPECT_EQ(expected[i].y, controls[i].y);
        EXPECT_EQ(expected[i].cx, controls[i].cx);
        EXPECT_EQ(expected[i].cy, controls[i].cy);
    }
}

TEST_F(ResourcesTest, TheIconGroupHoldsNineImagesInOrder)
{
    const std::vector<BYTE> data = Resource(RT_GROUP_ICON, MAKEINTRESOURCEW(IDI_APPICON), kKorean);
    ASSERT_FALSE(data.empty()) << "no Korean icon group 107";
    CTemplateReader group(data);
    EXPECT_EQ(0, group.Read<WORD>());
    EXPECT_EQ(1, group.Read<WORD>()); // icons
    ASSERT_EQ(9, group.Read<WORD>());

    const struct { int nSize; WORD wBits; bool bPng; } expected[] = {
        { 48, 8, false }, { 32, 8, false }, { 24, 8, false }, { 16, 8, false }, { 256, 32, true },
        { 48, 32, false }, { 32, 32, false }, { 24, 32, false }, { 16, 32, false },
    };
    for (int i = 0; i < 9; ++i)
    {
        SCOPED_TRACE("image " + std::to_string(i + 1));
        const BYTE width = group.Read<BYTE>();
        const BYTE height = group.Read<BYTE>();
        group.Read<BYTE>(); // colours
        group.Read<BYTE>();
        group.Read<WORD>(); // planes
        const WORD wBits = group.Read<WORD>();
        const DWORD dwBytes = group.Read<DWORD>();
        const WORD wId = group.Read<WORD>();
        EXPECT_EQ(expected[i].nSize % 256, width); // 0 stands for 256
        EXPECT_EQ(expected[i].nSize % 256, height);
        EXPECT_EQ(expected[i].wBits, wBits);
        EXPECT_EQ(i + 1, wId);

        const std::vector<BYTE> image = Resource(RT_ICON, MAKEINTRESOURCEW(wId), kKorean);
        ASSERT_EQ(dwBytes, image.size());
        const bool bPng = image.size() > 8 && std::memcmp(image.data(), "\x89PNG\r\n\x1a\n", 8) == 0;
        EXPECT_EQ(expected[i].bPng, bPng);
        if (!bPng)
        {
            BITMAPINFOHEADER header;
            std::memcpy(&header, image.data(), sizeof header);
            EXPECT_EQ(expected[i].nSize, header.biWidth);
            EXPECT_EQ(2 * expected[i].nSize, header.biHeight); // the colours and the mask
            EXPECT_EQ(expected[i].wBits, header.biBitCount);
        }
    }
}

TEST_F(ResourcesTest, TheManifest)
{
    const std::vector<BYTE> data = Resource(RT_MANIFEST, MAKEINTRESOURCEW(1), kEnglish);
    ASSERT_FALSE(data.empty()) << "no manifest 1 in language 1033";
    const std::string manifest(data.begin(), data.end());
    for (const char* pszPart : { "manifestVersion=\"1.0\"", "level=\"asInvoker\"", "uiAccess=\"false\"",
                                 "name=\"Microsoft.Windows.Common-Controls\"", "type=\"win32\"",
                                 "version=\"6.0.0.0\"", "processorArchitecture=\"x86\"",
                                 "publicKeyToken=\"6595b64144ccf1df\"", "language=\"*\"" })
        EXPECT_NE(std::string::npos, manifest.find(pszPart)) << pszPart;
}

} // namespace
