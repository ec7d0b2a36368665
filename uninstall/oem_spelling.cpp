#include "uninstall/oem_spelling.h"

#include <windows.h>

#include "common/wide_string.h"

namespace {
// Refuses best-fit look-alikes and the default character alike.
bool FromUtf16(const WideString& wide, unsigned codePage, std::string& text)
{
    const int length = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    const int needed = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, nullptr,
                                           &usedDefault);
    if (needed <= 0 || usedDefault)
        return false;
    std::string converted(static_cast<size_t>(needed), '\0');
    if (WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), length, &converted[0], needed, nullptr,
                            &usedDefault) != needed ||
        usedDefault)
        return false;
    text.swap(converted);
    return true;
}
}  // namespace

CodePages SystemCodePages()
{
    return {GetACP(), GetOEMCP()};
}

bool SpellInOemCodePage(const std::string& ansi, const CodePages& pages, std::string& oem)
{
    if (ansi.empty())
        return false;
    // One code page for both (e.g. a system set to UTF-8): cmd reads the
    // bytes as they were written.
    if (pages.ansi == pages.oem) {
        oem = ansi;
        return true;
    }
    WideString wide;
    std::string spelled;
    if (!ToWide(pages.ansi, ansi, wide) || !FromUtf16(wide, pages.oem, spelled))
        return false;
    // The way back must give the very same ANSI bytes.
    WideString back;
    std::string again;
    if (!ToWide(pages.oem, spelled, back) || !FromUtf16(back, pages.ansi, again) || again != ansi)
        return false;
    oem.swap(spelled);
    return true;
}
