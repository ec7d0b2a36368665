// The resources of the programs under test, read back out of their files:
// both dialog templates control by control, and the application manifest,
// parsed with the system's XML parser.
#include <gtest/gtest.h>

#include <windows.h>
#include <msxml2.h>

#include <set>

#include "common/handles.h"
#include "support/paths.h"

using namespace test_support;

namespace {

struct LibraryTraits {
    using Type = HMODULE;
    static Type Invalid() { return nullptr; }
    static void Close(Type module) { FreeLibrary(module); }
};
using UniqueLibrary = UniqueResource<LibraryTraits>;

UniqueLibrary LoadAsData(const std::string& exe)
{
    UniqueLibrary module(LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    EXPECT_TRUE(module.IsValid()) << exe << ": " << GetLastError();
    return module;
}

// The bytes of one resource; empty when it is missing.
std::string ResourceBytes(HMODULE module, LPCSTR type, WORD id, WORD language)
{
    HRSRC found = FindResourceExA(module, type, MAKEINTRESOURCEA(id), language);
    if (!found)
        return std::string();
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    return data ? std::string(static_cast<const char*>(data), SizeofResource(module, found)) : std::string();
}

const WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// Reads an extended dialog template front to back.
class TemplateReader {
public:
    explicit TemplateReader(const std::string& bytes) : m_bytes(bytes) {}

    WORD Word() { return Take<WORD>(); }
    DWORD Dword() { return Take<DWORD>(); }
    short Short() { return Take<short>(); }
    BYTE Byte() { return Take<BYTE>(); }
    bool Overrun() const { return m_overrun; }

    // A name or an ordinal: "#129" for an ordinal, the text otherwise.
    std::string NameOrOrdinal()
    {
        const WORD first = Word();
        if (first == 0xFFFF)
            return "#" + std::to_string(Word());
        std::wstring text;
        for (WORD c = first; c != 0 && !m_overrun; c = Word())
            text += static_cast<wchar_t>(c);
        std::string ansi(text.size() * 2 + 1, '\0');
        const int length = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), &ansi[0],
                                               static_cast<int>(ansi.size()), nullptr, nullptr);
        ansi.resize(length > 0 ? static_cast<size_t>(length) : 0);
        return ansi;
    }
    void AlignToDword() { m_offset = (m_offset + 3) & ~static_cast<size_t>(3); }
    void Skip(size_t count) { m_offset += count; }

private:
    template <typename T>
    T Take()
    {
        T value{};
        if (m_offset + sizeof(T) > m_bytes.size()) {
            m_overrun = true;
            return value;
        }
        memcpy(&value, m_bytes.data() + m_offset, sizeof(T));
        m_offset += sizeof(T);
        return value;
    }
    const std::string& m_bytes;
    size_t m_offset = 0;
    bool m_overrun = false;
};

struct Control {
    int id;
    std::string kind;  // window class
    std::string text;  // "#N": icon resource N
    DWORD style;
    short x, y, cx, cy;
    bool operator==(const Control& o) const
    {
        return id == o.id && kind == o.kind && text == o.text && style == o.style && x == o.x && y == o.y &&
               cx == o.cx && cy == o.cy;
    }
};

void PrintTo(const Control& c, std::ostream* out)
{
    *out << "{" << c.id << ", " << c.kind << ", \"" << c.text << "\", 0x" << std::hex << c.style << std::dec << ", "
         << c.x << "," << c.y << "," << c.cx << "," << c.cy << "}";
}

struct Dialog {
    DWORD style = 0, exStyle = 0;
    short x = -1, y = -1, cx = 0, cy = 0;
    std::string menu, windowClass, title, font;
    WORD pointSize = 0, weight = 0;
    BYTE italic = 0, charSet = 0;
    std::vector<Control> controls;
};

std::string ClassName(const std::string& nameOrOrdinal)
{
    if (nameOrOrdinal == "#128") return "Button";
    if (nameOrOrdinal == "#129") return "Edit";
    if (nameOrOrdinal == "#130") return "Static";
    if (nameOrOrdinal == "#131") return "ListBox";
    // Class names are compared without regard to case.
    for (const char* known : {"Button", "Edit", "Static", "ListBox"})
        if (lstrcmpiA(nameOrOrdinal.c_str(), known) == 0)
            return known;
    return nameOrOrdinal;
}

Dialog ReadDialog(const std::string& bytes)
{
    Dialog dialog;
    TemplateReader in(bytes);
    EXPECT_EQ(in.Word(), 1) << "dialog version";
    EXPECT_EQ(in.Word(), 0xFFFF) << "extended template";
    in.Dword();  // help id
    dialog.exStyle = in.Dword();
    dialog.style = in.Dword();
    const WORD count = in.Word();
    dialog.x = in.Short();
    dialog.y = in.Short();
    dialog.cx = in.Short();
    dialog.cy = in.Short();
    dialog.menu = in.NameOrOrdinal();
    dialog.windowClass = in.NameOrOrdinal();
    dialog.title = in.NameOrOrdinal();
    if (dialog.style & DS_SETFONT) {
        dialog.pointSize = in.Word();
        dialog.weight = in.Word();
        dialog.italic = in.Byte();
        dialog.charSet = in.Byte();
        dialog.font = in.NameOrOrdinal();
    }
    for (WORD i = 0; i < count && !in.Overrun(); ++i) {
        in.AlignToDword();
        Control control{};
        in.Dword();  // help id
        in.Dword();  // extended style
        control.style = in.Dword();
        control.x = in.Short();
        control.y = in.Short();
        control.cx = in.Short();
        control.cy = in.Short();
        control.id = static_cast<int>(in.Dword());
        control.kind = ClassName(in.NameOrOrdinal());
        control.text = in.NameOrOrdinal();
        in.Skip(in.Word());  // creation data
        dialog.controls.push_back(control);
    }
    EXPECT_FALSE(in.Overrun()) << "template ends early";
    return dialog;
}

const DWORD kChild = WS_CHILD | WS_VISIBLE;

TEST(Resources, BothDialogTemplatesAreAsDesigned)
{
    const DWORD label = kChild | SS_LEFT | WS_GROUP;
    const DWORD centred = kChild | SS_CENTER | WS_GROUP;
    const DWORD box = kChild | BS_AUTOCHECKBOX | WS_TABSTOP;
    const DWORD frame = kChild | SS_BLACKFRAME;
    const struct {
        std::string exe;
        short cx, cy;
        const char* title;
        std::vector<Control> controls;
    } programs[] = {
        {InstallExe(), 254, 139, "Tolmic 2007 Install",
         {
             {-1, "Static",
              "Choose where would you like to have shortcuts? You can later set these options by running "
              "Install.exe again (located in the Tolmic 2007 Program Files folder).",
              centred, 50, 5, 195, 25},
             {-1, "Static", "Current\nsetting", centred, 18, 41, 29, 20},
             {-1, "Static", "New\nsetting", centred, 58, 41, 30, 20},
             {-1, "Static", "Install / set", label, 103, 46, 90, 8},
             {1001, "Button", "", box | WS_DISABLED, 28, 66, 8, 8},
             {1006, "Button", "", box | WS_DISABLED, 28, 76, 10, 8},
             {1007, "Button", "", box | WS_DISABLED, 28, 86, 10, 8},
             {1009, "Button", "", box, 73, 66, 10, 8},
             {1010, "Button", "", box, 73, 76, 8, 8},
             {1011, "Button", "", box, 73, 86, 8, 8},
             {-1, "Static", "Desktop shortcut", label, 103, 66, 55, 8},
             {-1, "Static", "Startup menu shortcut", label, 103, 76, 74, 8},
             {-1, "Static", "Programs menu shortcut", label, 103, 86, 82, 8},
             {-1, "Static", "Path:", kChild | SS_RIGHT | WS_GROUP, 8, 104, 25, 8},
             {1013, "Edit", "", kChild | ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP, 38, 104, 206, 12},
             {IDCANCEL, "Button", "Close", kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 192, 120, 50, 15},
             {-1, "Static", "", frame, 8, 61, 236, 39},
             {-1, "Static", "", frame, 8, 36, 45, 64},
             {-1, "Static", "", frame, 53, 36, 45, 64},
             {-1, "Static", "#129", kChild | SS_ICON, 8, 8, 20, 20},
         }},
        {UnInstallExe(), 234, 115, "Tolmic 2007 Remove",
         {
             {-1, "Static", "If you want to remove Tolmic 2007, press the <Remove> button.", 0x50020001, 32, 4, 195,
              20},
             {IDCANCEL, "Button", "Cancel", 0x50010001, 176, 96, 50, 14},
             {IDOK, "Button", "&Remove", 0x50010000, 8, 96, 50, 14},
             {1000, "ListBox", "", 0x50B14101, 8, 32, 220, 60},
             {-1, "Static", "Messages", 0x50020000, 8, 24, 100, 8},
             {-1, "Static", "#132", 0x50000003, 8, 4, 20, 20},
         }},
    };
    for (const auto& program : programs) {
        SCOPED_TRACE(program.exe);
        UniqueLibrary module = LoadAsData(program.exe);
        ASSERT_TRUE(module.IsValid());
        const std::string bytes = ResourceBytes(module.Get(), MAKEINTRESOURCEA(5) /* RT_DIALOG */, 102, kEnglishUs);
        ASSERT_FALSE(bytes.empty()) << "no English (US) dialog template 102";
        const Dialog dialog = ReadDialog(bytes);
        EXPECT_EQ(dialog.style, 0x90C800C0u);
        EXPECT_EQ(dialog.exStyle, static_cast<DWORD>(WS_EX_APPWINDOW));
        EXPECT_EQ(dialog.x, 0);
        EXPECT_EQ(dialog.y, 0);
        EXPECT_EQ(dialog.cx, program.cx);
        EXPECT_EQ(dialog.cy, program.cy);
        EXPECT_EQ(dialog.menu, "");
        EXPECT_EQ(dialog.windowClass, "");
        EXPECT_EQ(dialog.title, program.title);
        EXPECT_EQ(dialog.font, "Tahoma");
        EXPECT_EQ(dialog.pointSize, 10);
        EXPECT_EQ(dialog.weight, 0);
        EXPECT_EQ(dialog.italic, 0);
        EXPECT_EQ(dialog.charSet, DEFAULT_CHARSET);
        ASSERT_EQ(dialog.controls.size(), program.controls.size());
        for (size_t i = 0; i < program.controls.size(); ++i)
            EXPECT_EQ(dialog.controls[i], program.controls[i]) << "control #" << i + 1;
    }
}

// The system's XML parser, for the manifest (MSXML 3's DOM document).
const CLSID kDomDocument30 = {0xf5078f32, 0xc551, 0x11d3, {0x89, 0xb9, 0x00, 0x00, 0xf8, 0x1f, 0xe2, 0x21}};
const IID kIXMLDOMDocument2 = {0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};
const IID kIXMLDOMElement = {0x2933bf86, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

class XmlDocument {
public:
    explicit XmlDocument(const std::string& text)
    {
        CoInitialize(nullptr);
        if (FAILED(CoCreateInstance(kDomDocument30, nullptr, CLSCTX_INPROC_SERVER, kIXMLDOMDocument2,
                                    m_document.PutVoid())))
            return;
        m_document->put_async(VARIANT_FALSE);
        VARIANT_BOOL loaded = VARIANT_FALSE;
        BSTR xml = Bstr(text);
        m_document->loadXML(xml, &loaded);
        SysFreeString(xml);
        m_loaded = loaded == VARIANT_TRUE;
        SetProperty("SelectionLanguage", "XPath");
        SetProperty("SelectionNamespaces",
                    "xmlns:v1='urn:schemas-microsoft-com:asm.v1' xmlns:v3='urn:schemas-microsoft-com:asm.v3' "
                    "xmlns:c='urn:schemas-microsoft-com:compatibility.v1'");
    }
    bool Loaded() const { return m_loaded; }

    // The value of `attribute` on every node that `xpath` selects.
    std::vector<std::string> Attributes(const std::string& xpath, const std::string& attribute)
    {
        std::vector<std::string> values;
        ComPtr<IXMLDOMNodeList> nodes;
        BSTR query = Bstr(xpath);
        const HRESULT selected = m_document->selectNodes(query, reinterpret_cast<IXMLDOMNodeList**>(nodes.PutVoid()));
        SysFreeString(query);
        if (FAILED(selected) || !nodes)
            return values;
        long count = 0;
        nodes->get_length(&count);
        for (long i = 0; i < count; ++i) {
            ComPtr<IXMLDOMNode> node;
            ComPtr<IXMLDOMElement> element;
            if (FAILED(nodes->get_item(i, reinterpret_cast<IXMLDOMNode**>(node.PutVoid()))) || !node ||
                FAILED(node.QueryInterface(kIXMLDOMElement, element)))
                continue;
            VARIANT value;
            VariantInit(&value);
            BSTR name = Bstr(attribute);
            element->getAttribute(name, &value);
            SysFreeString(name);
            values.push_back(value.vt == VT_BSTR ? Narrow(value.bstrVal) : std::string("(none)"));
            VariantClear(&value);
        }
        return values;
    }

private:
    static BSTR Bstr(const std::string& text)
    {
        std::wstring wide(text.size() + 1, L'\0');
        const int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
        wide.resize(length > 0 ? static_cast<size_t>(length - 1) : 0);
        return SysAllocString(wide.c_str());
    }
    static std::string Narrow(const wchar_t* wide)
    {
        std::string text(wcslen(wide) * 3 + 1, '\0');
        const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, &text[0], static_cast<int>(text.size()), nullptr,
                                               nullptr);
        text.resize(length > 0 ? static_cast<size_t>(length - 1) : 0);
        return text;
    }
    void SetProperty(const char* name, const char* value)
    {
        if (!m_document)
            return;
        VARIANT variant;
        variant.vt = VT_BSTR;
        variant.bstrVal = Bstr(value);
        BSTR property = Bstr(name);
        m_document->setProperty(property, variant);
        SysFreeString(property);
        VariantClear(&variant);
    }

    ComPtr<IXMLDOMDocument2> m_document;
    bool m_loaded = false;
};

TEST(Resources, BothProgramsAskForAdministratorRightsAndNameTheirSystems)
{
    const std::set<std::string> systems = {
        "{e2011457-1546-43c5-a5fe-008deee3d3f0}",  // Vista
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // 10 and 11
    };
    for (const std::string& exe : {InstallExe(), UnInstallExe()}) {
        SCOPED_TRACE(exe);
        UniqueLibrary module = LoadAsData(exe);
        ASSERT_TRUE(module.IsValid());
        const std::string manifest = ResourceBytes(module.Get(), MAKEINTRESOURCEA(24) /* RT_MANIFEST */, 1, kEnglishUs);
        ASSERT_FALSE(manifest.empty()) << "no manifest (type 24, id 1)";
        XmlDocument xml(manifest);
        ASSERT_TRUE(xml.Loaded()) << manifest;

        EXPECT_EQ(xml.Attributes("/v1:assembly", "manifestVersion"), std::vector<std::string>{"1.0"});
        const char level[] = "/v1:assembly/v3:trustInfo/v3:security/v3:requestedPrivileges/v3:requestedExecutionLevel";
        EXPECT_EQ(xml.Attributes(level, "level"), std::vector<std::string>{"requireAdministrator"});
        EXPECT_EQ(xml.Attributes(level, "uiAccess"), std::vector<std::string>{"false"});
        const std::vector<std::string> ids =
            xml.Attributes("/v1:assembly/c:compatibility/c:application/c:supportedOS", "Id");
        EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()), systems);
        EXPECT_EQ(ids.size(), systems.size());
        // No other change of look or behaviour: no visual-styles dependency,
        // no DPI awareness.
        EXPECT_TRUE(xml.Attributes("//v1:dependency", "x").empty());
        EXPECT_TRUE(xml.Attributes("//*[local-name()='dpiAware' or local-name()='dpiAwareness']", "x").empty());
    }
}

}  // namespace
