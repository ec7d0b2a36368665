// The framework's message-box rule: an icon is added only where none is named.
#include <gtest/gtest.h>

#include "framework/message_box.h"

namespace {

TEST(MessageBox, AddsTheExclamationIconOnlyWhenNoIconIsNamed)
{
    const struct {
        UINT requested;
        UINT shown;
    } cases[] = {
        {MB_OK, MB_OK | MB_ICONEXCLAMATION},
        {MB_OKCANCEL, MB_OKCANCEL | MB_ICONEXCLAMATION},
        {MB_YESNO, MB_YESNO | MB_ICONEXCLAMATION},
        {MB_YESNOCANCEL, MB_YESNOCANCEL | MB_ICONEXCLAMATION},
        {MB_YESNO | MB_ICONQUESTION, MB_YESNO | MB_ICONQUESTION},
        {MB_OK | MB_ICONSTOP, MB_OK | MB_ICONSTOP},
        {MB_RETRYCANCEL, MB_RETRYCANCEL},
        {MB_ABORTRETRYIGNORE, MB_ABORTRETRYIGNORE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MessageBoxTypeWithIcon(c.requested), c.shown) << "requested 0x" << std::hex << c.requested;
}

}  // namespace
