// Records the messages that chosen windows receive, the way Wine's conformance tests do, and
// compares them with an expected sequence, printing both on a mismatch.
#ifndef SKYLOOK_TESTS_MESSAGE_LOG_H
#define SKYLOOK_TESTS_MESSAGE_LOG_H

#include "Waiting.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

struct RecordedMessage {
    HWND window = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    bool posted = false;
};

// Flags of an expected entry.
enum ExpectedFlags : unsigned {
    Sent = 0,
    Posted = 1,      // must have come through the message queue
    Optional = 2,    // may be missing
    MatchWParam = 4,
    MatchLParam = 8,
};

struct ExpectedMessage {
    HWND window = nullptr;
    UINT message = 0;
    unsigned flags = Sent;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// Installs thread hooks for its lifetime (one log at a time) and keeps the messages of the
// watched windows whose ids are in the filter (all messages when the filter is empty).
class CMessageLog {
public:
    CMessageLog(std::initializer_list<HWND> windows, std::set<UINT> filter);
    ~CMessageLog();
    CMessageLog(const CMessageLog&) = delete;
    CMessageLog& operator=(const CMessageLog&) = delete;

    void Clear() { m_messages.clear(); }
    const std::vector<RecordedMessage>& Messages() const { return m_messages; }
    size_t Count(HWND window, UINT message) const;

private:
    static LRESULT CALLBACK SentHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK QueueHook(int code, WPARAM wParam, LPARAM lParam);
    void Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool posted);

    std::set<HWND> m_windows;
    std::set<UINT> m_filter;
    std::vector<RecordedMessage> m_messages;
    HHOOK m_sentHook = nullptr;
    HHOOK m_queueHook = nullptr;
};

// Compares the log with expected, in order; optional entries may be missing, nothing may be
// left over. On a mismatch the result lists both sequences.
testing::AssertionResult MatchesSequence(const CMessageLog& log, const std::vector<ExpectedMessage>& expected);

std::string MessageName(UINT message);

#endif
