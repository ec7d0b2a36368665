// The uninstaller's message list: how a message becomes list lines, the
// system's text for an error code, and where the removal's parts report.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Receives the messages of the removal, one call per message.
class CMessageSink {
public:
    virtual void AddMessage(std::string text) = 0;

protected:
    ~CMessageSink() = default;
};

// The list lines of a message: cut every 50 bytes, with no regard to words;
// no line at all for the empty text.
std::vector<std::string> SplitIntoListLines(const std::string& text);

// The system's text for an error code, exactly as the system gives it (no
// trimming, no code number); "Unknown error N" when the system has none.
std::string GetSystemErrorText(DWORD code);
