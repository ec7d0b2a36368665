#include "framework/listbox.h"

int CListBox::AddString(const std::string& text)
{
    return static_cast<int>(SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CListBox::GetCount() const
{
    return static_cast<int>(SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0));
}

std::string CListBox::GetText(int index) const
{
    const LRESULT length = SendMessageA(m_hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR)
        return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
    return text;
}
