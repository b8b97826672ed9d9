#include "ctl/SystemMessage.h"

#include <windows.h>

namespace {

// The system's sentence in the language, spelled in the code page the tool writes; empty
// when there is none or the code page cannot spell it.
std::string SentenceIn(long code, LANGID language)
{
    wchar_t text[512] = {};
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        static_cast<DWORD>(code), language, text, 512, nullptr);
    if (length == 0)
        return std::string();
    BOOL lossy = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, static_cast<int>(length), nullptr, 0,
                                         nullptr, &lossy);
    if (size <= 0 || lossy)
        return std::string();
    std::string message(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, static_cast<int>(length), message.data(), size, nullptr,
                        &lossy);
    return message;
}

}  // namespace

std::string SystemMessage(long code)
{
    // The neutral language lets the system choose the user's. A user who reads a language
    // the code page cannot spell (Japanese under a Western code page) would get question
    // marks: English instead, which every code page spells.
    std::string message = SentenceIn(code, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));
    if (message.empty())
        message = SentenceIn(code, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == '.' ||
                                message.back() == ' '))
        message.pop_back();
    if (message.empty())
        message = "error " + std::to_string(code);
    return message;
}
